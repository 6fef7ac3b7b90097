#include "runtime/RawFile.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>

namespace runtime {

bool RawFile::Open(const std::string& name) {
    file_.reset(std::fopen(name.c_str(), "rb"));
    error_ = file_ ? 0 : errno;
    return file_ != nullptr;
}

void RawFile::Close() {
    error_ = file_ ? 0 : EBADF;
    file_.reset();
}

std::int64_t RawFile::Length() {
    if (!file_) {
        error_ = EBADF;
        return -1;
    }
    struct stat info {};
    if (fstat(fileno(file_.get()), &info) != 0) {
        error_ = errno;
        return -1;
    }
    error_ = 0;
    return info.st_size;
}

std::size_t RawFile::Read(std::int64_t position, std::span<std::uint8_t> buffer) {
    if (!file_) {
        error_ = EBADF;
        return 0;
    }
    if (position < 1) {
        error_ = EINVAL;
        return 0;
    }
    if (fseeko(file_.get(), static_cast<off_t>(position - 1), SEEK_SET) != 0) {
        error_ = errno;
        return 0;
    }
    const std::size_t wanted = std::min(buffer.size(), MaxBlock);
    const std::size_t got = std::fread(buffer.data(), 1, wanted, file_.get());
    error_ = (got < wanted && std::ferror(file_.get())) ? EIO : 0;
    std::clearerr(file_.get());
    return got;
}

}  // namespace runtime
