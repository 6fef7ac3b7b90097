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

namespace runtime {

// Pictures by name: pictures built into the program first, then the file of
// that name in the data folder (the working folder unless told another). A
// missing or damaged picture is "no picture" (nullptr), never an error that
// stops anything.
class PictureLibrary {
public:
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
    std::map<std::string, std::span<const unsigned char>, std::less<>> builtIn_;
    std::map<std::string, std::shared_ptr<const Image>, std::less<>> cache_;
    std::filesystem::path folder_;
};

}  // namespace runtime
