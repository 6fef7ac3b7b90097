#pragma once

// A regular file opened for reading only, closed when it goes out of scope.
// Private to the canvas.

#include <sys/stat.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace canvas {

class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const std::string& path);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    // 0 when open, else the system's error code (a folder or a device counts
    // as a file that cannot be opened).
    int Error() const { return error_; }
    std::uint64_t Size() const { return size_; }
    // What the system said about the file when it was opened.
    const struct stat& Info() const { return info_; }

    // Makes `into` the first `count` bytes of the file, or all of it when it
    // is shorter. False on a read error.
    bool ReadStart(std::vector<std::uint8_t>& into, std::size_t count);

private:
    int fd_ = -1;
    int error_ = 0;
    std::uint64_t size_ = 0;
    struct stat info_ {};
};

}  // namespace canvas
