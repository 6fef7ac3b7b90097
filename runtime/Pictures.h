#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "runtime/EmbeddedFile.h"
#include "runtime/Image.h"
#include "runtime/RegularFile.h"

namespace runtime {

// Pictures by name: pictures built into the program first, then the file of
// that name in the data folder (the working folder unless told another). A
// missing or damaged picture is "no picture" (nullptr), never an error that
// stops anything.
//
// Each file is decoded once and the one copy is shared by every control
// that shows it. Only regular files are read, a picture above 4096 x 4096
// pixels counts as damaged, and a damaged file is not read again until it
// changes, so no folder can make showing a window slow or large.
class PictureLibrary {
public:
    // Decoded pictures that no control shows any more are kept up to this
    // many bytes, so a picture shown again is not decoded again.
    static constexpr std::size_t UnusedBytesKept = 32 * 1024 * 1024;

    void AddBuiltIn(std::span<const EmbeddedFile> files);
    // Where picture files are read from; empty: the working folder.
    void SetFolder(std::filesystem::path folder) { folder_ = std::move(folder); }
    const std::filesystem::path& Folder() const { return folder_; }

    // Decoded picture, cached after the first use; nullptr when missing or damaged.
    std::shared_ptr<const Image> Load(std::string_view name);
    // Forgets cached files of the working folder (built-in pictures stay).
    void ForgetFiles();

    // Decodes a bitmap file image held in memory; nullopt when it is not one.
    static std::optional<Image> DecodeBmp(std::span<const std::uint8_t> bytes);

private:
    struct Entry {
        std::shared_ptr<const Image> picture;  // nullptr: the file is damaged
        FileIdentity file;                     // what was read, for a damaged one
        std::uint64_t lastUse = 0;
    };
    void DropUnusedBeyondBudget();

    std::map<std::string, std::span<const unsigned char>, std::less<>> builtIn_;
    std::map<std::string, Entry, std::less<>> cache_;
    std::uint64_t uses_ = 0;
    std::filesystem::path folder_;
};

}  // namespace runtime
