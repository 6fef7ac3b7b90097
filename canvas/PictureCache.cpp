#include "canvas/PictureCache.h"

#include <sys/stat.h>

#include <utility>

namespace canvas::bitmap {

namespace {

bool Same(const timespec& a, const timespec& b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; }

// Time stamps may be as coarse as two seconds: a file changed later than
// that before it was read may change again with the same stamps.
constexpr std::time_t SettledSeconds = 3;

bool Settled(const FileStamp& stamp) {
    timespec now{};
    if (::clock_gettime(CLOCK_REALTIME, &now) != 0) return false;
    return stamp.modified.tv_sec + SettledSeconds < now.tv_sec;
}

}  // namespace

FileStamp FileStamp::Of(const struct stat& info) {
    return {info.st_dev, info.st_ino, static_cast<std::int64_t>(info.st_size), info.st_mtim, info.st_ctim};
}

bool FileStamp::operator==(const FileStamp& other) const {
    return device == other.device && inode == other.inode && size == other.size && Same(modified, other.modified) &&
           Same(changed, other.changed);
}

LoadedPicture::LoadedPicture(canvas::Bytes bytes, const FileStamp& stamp)
    : bytes_(std::move(bytes)), reading_(Read(bytes_)), stamp_(stamp) {}

const OpaqueRuns& LoadedPicture::RunsFor(std::int32_t mask) {
    if (runs_.rowStart.empty() || runsMask_ != mask) {
        runs_ = FindOpaqueRuns(reading_.picture, mask);
        runsMask_ = mask;
    }
    return runs_;
}

std::shared_ptr<LoadedPicture> PictureCache::Find(const std::string& name, FileStamp& stamp) {
    stamp = {};
    struct stat info {};
    if (::stat(name.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return nullptr;
    stamp = FileStamp::Of(info);
    for (auto entry = entries_.begin(); entry != entries_.end(); ++entry) {
        if ((*entry)->Stamp().device != stamp.device || (*entry)->Stamp().inode != stamp.inode) continue;
        if (!((*entry)->Stamp() == stamp)) {
            entries_.erase(entry);  // changed: read again
            return nullptr;
        }
        entries_.splice(entries_.begin(), entries_, entry);
        return entries_.front();
    }
    return nullptr;
}

std::shared_ptr<LoadedPicture> PictureCache::Keep(canvas::Bytes bytes, const FileStamp& stamp) {
    auto picture = std::make_shared<LoadedPicture>(std::move(bytes), stamp);
    if (stamp.inode == 0 || !Settled(stamp) || picture->Size() > MaxBytes) return picture;
    entries_.push_front(picture);
    std::size_t total = 0, count = 0;
    for (auto entry = entries_.begin(); entry != entries_.end();) {
        total += (*entry)->Size();
        if (++count > MaxPictures || total > MaxBytes)
            entry = entries_.erase(entry);
        else
            ++entry;
    }
    return picture;
}

}  // namespace canvas::bitmap
