#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace frame {

// Reading and writing a small file as a whole, with errors as short texts.

struct FileText {
    enum class Status { Read, Missing, Unreadable };
    Status status = Status::Missing;
    std::string bytes;
    std::string error;  // why it was unreadable
};

// A missing file is not an error: it reads as Missing with no bytes.
FileText ReadWholeFile(const std::filesystem::path& path);

// Writes `bytes` to a new file in the same folder, flushes it to disk and
// renames it over `path`, so a crash or a full disk leaves either the old
// file or the new one, never a half-written one. On failure the old file is
// untouched, the new one removed, and `error` says why.
bool WriteWholeFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                              std::string& error);

}  // namespace frame
