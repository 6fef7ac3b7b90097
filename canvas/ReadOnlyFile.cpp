#include "canvas/ReadOnlyFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace canvas {

ReadOnlyFile::ReadOnlyFile(const std::string& path) {
    // Non-blocking, so that a name that turns out to be a pipe cannot hang the
    // opening; regular files ignore the flag.
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0) {
        error_ = errno != 0 ? errno : EIO;
        return;
    }
    struct stat& info = info_;
    if (::fstat(fd_, &info) != 0) {
        error_ = errno != 0 ? errno : EIO;
    } else if (!S_ISREG(info.st_mode)) {
        error_ = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
    } else {
        size_ = static_cast<std::uint64_t>(info.st_size);
        return;
    }
    ::close(fd_);
    fd_ = -1;
}

ReadOnlyFile::~ReadOnlyFile() {
    if (fd_ >= 0) ::close(fd_);
}

bool ReadOnlyFile::ReadStart(std::vector<std::uint8_t>& into, std::size_t count) {
    into.clear();
    if (fd_ < 0) return false;
    // The size may change while we read: stop at the end, whichever comes first.
    into.resize(static_cast<std::size_t>(std::min<std::uint64_t>(count, size_)));
    std::size_t done = 0;
    while (done < into.size()) {
        const ssize_t got = ::pread(fd_, into.data() + done, into.size() - done, static_cast<off_t>(done));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) break;
        done += static_cast<std::size_t>(got);
    }
    into.resize(done);
    return true;
}

}  // namespace canvas
