#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <string>

namespace runtime {

// A file read in raw blocks by name. Every operation sets the error code:
// 0 after success, otherwise an errno value (EBADF when no file is open,
// EINVAL for a position before the first byte).
class RawFile {
public:
    static constexpr std::size_t MaxBlock = 4096;

    bool Open(const std::string& name);
    void Close();
    bool IsOpen() const { return file_ != nullptr; }

    // Length in bytes; -1 when it cannot be told.
    std::int64_t Length();
    // Reads up to MaxBlock bytes (and at most buffer.size()) starting at the
    // 1-based `position`; returns the number of bytes read (0 at the end).
    std::size_t Read(std::int64_t position, std::span<std::uint8_t> buffer);
    int Error() const { return error_; }

private:
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> file_;
    int error_ = 0;
};

}  // namespace runtime
