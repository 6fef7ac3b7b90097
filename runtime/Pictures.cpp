#include "runtime/Pictures.h"

#include <algorithm>

#include "runtime/PngFile.h"
#include "runtime/pictures/Decoders.h"

namespace runtime {

namespace {

// A compressed picture file is never larger than its pixels; a larger one
// is not read into memory at all.
constexpr std::uint64_t MaxFileBytes = 64 * 1024 * 1024;
constexpr std::size_t HeaderBytes = 64;

bool IsBmp(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M';
}

// The bytes of the picture in the file: a bitmap's rows as its header gives
// them (padding after them is not read), any other format whole. nullopt
// when the file cannot hold the picture it claims to be.
std::optional<std::vector<std::uint8_t>> PictureBytes(const RegularFile& file) {
    const std::vector<std::uint8_t> start = file.ReadStart(HeaderBytes);
    std::uint64_t used = file.Size();
    if (IsBmp(start)) {
        const auto bmpUsed = pictures::BmpBytesUsed(start, file.Size());
        if (!bmpUsed) return std::nullopt;
        used = *bmpUsed;
    }
    if (used > MaxFileBytes) return std::nullopt;
    std::vector<std::uint8_t> bytes = file.ReadStart(static_cast<std::size_t>(used));
    if (bytes.size() != used) return std::nullopt;
    return bytes;
}

// The format is told by the content, not by the name.
std::optional<Image> Decode(std::span<const std::uint8_t> bytes) {
    if (IsBmp(bytes)) return pictures::DecodeBmpFile(bytes);
    if (bytes.size() >= 4 && bytes[0] == 0 && bytes[1] == 0 && bytes[2] == 1 && bytes[3] == 0)
        return pictures::DecodeIco(bytes);
    return DecodePng(bytes);
}

std::size_t BytesOf(const Image& image) {
    return image.pixels.size() * sizeof(std::uint32_t);
}

}  // namespace

void PictureLibrary::AddBuiltIn(std::span<const EmbeddedFile> files) {
    for (const EmbeddedFile& f : files) {
        builtIn_[std::string(f.name)] = f.bytes;
        cache_.erase(std::string(f.name));
    }
}

std::shared_ptr<const Image> PictureLibrary::Load(std::string_view name) {
    if (name.empty()) return nullptr;
    const std::string path =
        folder_.empty() ? std::string(name) : (folder_ / name).string();
    if (auto hit = cache_.find(name); hit != cache_.end()) {
        Entry& entry = hit->second;
        // A damaged file is tried again only once it has changed.
        if (entry.picture || RegularFileIdentity(path) == entry.file) {
            entry.lastUse = ++uses_;
            return entry.picture;
        }
        cache_.erase(hit);
    }

    Entry entry;
    if (auto builtIn = builtIn_.find(name); builtIn != builtIn_.end()) {
        if (auto decoded = Decode(builtIn->second))
            entry.picture = std::make_shared<const Image>(std::move(*decoded));
    } else {
        std::string error;
        const auto file = RegularFile::Open(path, error);
        // Misses are not remembered: a file that appears later is found then.
        if (!file) return nullptr;
        entry.file = file->Identity();
        if (const auto bytes = PictureBytes(*file))
            if (auto decoded = Decode(*bytes))
                entry.picture = std::make_shared<const Image>(std::move(*decoded));
    }
    entry.lastUse = ++uses_;
    auto picture = entry.picture;
    cache_.insert_or_assign(std::string(name), std::move(entry));
    DropUnusedBeyondBudget();
    return picture;
}

// Oldest first, pictures only the cache holds go once they add up to more
// than the budget; built-in pictures are small and stay.
void PictureLibrary::DropUnusedBeyondBudget() {
    auto unused = [this](const auto& entry) {
        return entry.second.picture && entry.second.picture.use_count() == 1 &&
               !builtIn_.contains(entry.first);
    };
    for (;;) {
        std::size_t bytes = 0;
        auto oldest = cache_.end();
        for (auto it = cache_.begin(); it != cache_.end(); ++it) {
            if (!unused(*it)) continue;
            bytes += BytesOf(*it->second.picture);
            if (oldest == cache_.end() || it->second.lastUse < oldest->second.lastUse) oldest = it;
        }
        if (bytes <= UnusedBytesKept) return;
        cache_.erase(oldest);
    }
}

void PictureLibrary::ForgetFiles() {
    std::erase_if(cache_, [this](const auto& entry) { return !builtIn_.contains(entry.first); });
}

std::optional<Image> PictureLibrary::DecodeBmp(std::span<const std::uint8_t> bytes) {
    return pictures::DecodeBmpFile(bytes);
}

}  // namespace runtime
