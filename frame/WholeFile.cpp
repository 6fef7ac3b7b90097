#include "frame/WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>
#include <vector>

namespace frame {
namespace {

namespace fs = std::filesystem;

// Settings files are small; anything far bigger is not one of ours and is
// left alone rather than read into memory.
constexpr off_t MaxFileSize = 16 * 1024 * 1024;

class UniqueFd {
public:
    explicit UniqueFd(int fd = -1) : fd_(fd) {}
    ~UniqueFd() {
        if (fd_ >= 0) ::close(fd_);
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    int Get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    // Closes now, reporting the result (close can report a failed write-back).
    bool Close() { return ::close(std::exchange(fd_, -1)) == 0; }

private:
    int fd_;
};

std::string Reason(std::string_view what, const fs::path& path, int error) {
    return std::string(what) + " " + path.string() + ": " + std::strerror(error);
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Removes the temporary file unless it was renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(fs::path path) : path_(std::move(path)) {}
    ~TemporaryFile() {
        if (!kept_) ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    void Keep() { kept_ = true; }

private:
    fs::path path_;
    bool kept_ = false;
};

}  // namespace

FileText ReadWholeFile(const fs::path& path) {
    FileText result;
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd) {
        if (errno == ENOENT) return result;
        result.status = FileText::Status::Unreadable;
        result.error = Reason("cannot open", path, errno);
        return result;
    }
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > MaxFileSize) {
        result.status = FileText::Status::Unreadable;
        result.error = path.string() + ": not a settings file (not a small regular file)";
        return result;
    }
    std::vector<char> buffer(64 * 1024);
    for (;;) {
        const ssize_t n = ::read(fd.Get(), buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            result.status = FileText::Status::Unreadable;
            result.error = Reason("cannot read", path, errno);
            result.bytes.clear();
            return result;
        }
        if (n == 0) break;
        result.bytes.append(buffer.data(), static_cast<std::size_t>(n));
        if (result.bytes.size() > static_cast<std::size_t>(MaxFileSize)) {
            result.status = FileText::Status::Unreadable;
            result.error = path.string() + ": not a settings file (too big)";
            result.bytes.clear();
            return result;
        }
    }
    result.status = FileText::Status::Read;
    return result;
}

bool WriteWholeFileAtomically(const fs::path& path, std::string_view bytes, std::string& error) {
    // Write through a symbolic link to the file it names, keeping the link.
    std::error_code ec;
    fs::path target = path;
    if (fs::is_symlink(path, ec)) {
        fs::path resolved = fs::weakly_canonical(path, ec);
        if (!ec) target = std::move(resolved);
    }
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");

    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    UniqueFd fd(::mkostemp(pattern.data(), O_CLOEXEC));
    if (!fd) {
        error = Reason("cannot create a file in", folder, errno);
        return false;
    }
    const fs::path temporary = pattern;
    TemporaryFile cleanup(temporary);

    // The new file gets the old one's permissions (mkostemp makes it 0600).
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) ::fchmod(fd.Get(), old.st_mode & 07777);

    if (!WriteAll(fd.Get(), bytes)) {
        error = Reason("cannot write", temporary, errno);
        return false;
    }
    if (::fsync(fd.Get()) != 0) {
        error = Reason("cannot flush", temporary, errno);
        return false;
    }
    if (!fd.Close()) {
        error = Reason("cannot close", temporary, errno);
        return false;
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        error = Reason("cannot replace", target, errno);
        return false;
    }
    cleanup.Keep();
    // Make the rename itself durable; the file is in place either way.
    UniqueFd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir) ::fsync(dir.Get());
    return true;
}

}  // namespace frame
