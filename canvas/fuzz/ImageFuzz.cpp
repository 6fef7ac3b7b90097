// Image on arbitrary file contents: whatever the bytes, the canvas reads and
// writes nothing out of bounds. The bytes are handed over as a file, through
// an in-memory file reopened by name, so the whole path from opening to
// placing runs.
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "canvas/Draw.h"
#include "canvas/tests/FakeHost.h"

namespace {

class MemoryFile {
public:
    MemoryFile() : fd_(::memfd_create("picture.bmp", MFD_CLOEXEC)) {
        if (fd_ < 0) std::abort();
        name_ = "/proc/self/fd/" + std::to_string(fd_);
    }
    ~MemoryFile() { ::close(fd_); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    const std::string& Hold(const std::uint8_t* data, std::size_t size) {
        if (::ftruncate(fd_, 0) != 0) std::abort();
        std::size_t done = 0;
        while (done < size) {
            const ssize_t wrote = ::pwrite(fd_, data + done, size - done, static_cast<off_t>(done));
            if (wrote <= 0) std::abort();
            done += static_cast<std::size_t>(wrote);
        }
        return name_;
    }

private:
    int fd_;
    std::string name_;
};

// One canvas for the whole run, as a program keeps one.
canvas::Draw& BoundCanvas() {
    static canvas::testing::FakeHost host;
    host.SetSize(23, 17);  // an odd width: rows carry pad bytes
    static canvas::Draw draw(host);
    draw.Init(16);
    return draw;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static MemoryFile file;
    static canvas::Draw& draw = BoundCanvas();
    const std::string& name = file.Hold(data, size);

    // Inside, cut by each corner, and tiled over an area.
    draw.Image(1, 1, 0, 0, name, -1, -1);
    draw.Image(-3, 12, 0, 0, name, -1, 0xFFFFFF);
    draw.Image(20, -2, 0, 0, name, 0, 0);
    draw.Image(3, 4, 15, -9, name, 1, 0xFFFFFF);
    std::int32_t width = 0, height = 0;
    draw.ImageDimensions(width, height, name);
    return 0;
}
