#include "runtime/Pictures.h"

#include <fstream>
#include <iterator>

#include "runtime/PngFile.h"
#include "runtime/pictures/Decoders.h"

namespace runtime {

namespace {

// Pictures of ours are small; a larger file is not read into memory at all.
constexpr std::streamoff MaxFileBytes = 64 * 1024 * 1024;

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& name) {
    std::ifstream file(name, std::ios::binary | std::ios::ate);
    if (!file) return std::nullopt;
    const std::streamoff size = file.tellg();
    if (size < 0 || size > MaxFileBytes) return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    file.seekg(0);
    if (!file.read(reinterpret_cast<char*>(bytes.data()), size)) return std::nullopt;
    return bytes;
}

// The format is told by the content, not by the name.
std::optional<Image> Decode(std::span<const std::uint8_t> bytes) {
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return pictures::DecodeBmpFile(bytes);
    if (bytes.size() >= 4 && bytes[0] == 0 && bytes[1] == 0 && bytes[2] == 1 && bytes[3] == 0)
        return pictures::DecodeIco(bytes);
    return DecodePng(bytes);
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
    if (auto hit = cache_.find(name); hit != cache_.end()) return hit->second;

    std::optional<Image> decoded;
    if (auto builtIn = builtIn_.find(name); builtIn != builtIn_.end()) {
        decoded = Decode(builtIn->second);
    } else if (auto bytes =
                   ReadWholeFile(folder_.empty() ? std::string(name) : (folder_ / name).string())) {
        decoded = Decode(*bytes);
    }
    // Misses are not remembered: a file that appears later is found then.
    if (!decoded) return nullptr;
    auto picture = std::make_shared<const Image>(std::move(*decoded));
    cache_.emplace(std::string(name), picture);
    return picture;
}

void PictureLibrary::ForgetFiles() {
    std::erase_if(cache_, [this](const auto& entry) { return !builtIn_.contains(entry.first); });
}

std::optional<Image> PictureLibrary::DecodeBmp(std::span<const std::uint8_t> bytes) {
    return pictures::DecodeBmpFile(bytes);
}

}  // namespace runtime
