#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace runtime {

// A file linked into the program (see cmake/EmbedFiles.cmake).
struct EmbeddedFile {
    std::string_view name;
    std::span<const unsigned char> bytes;
};

}  // namespace runtime
