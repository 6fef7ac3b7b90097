#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace runtime {

// Which file a name stood for when it was read: a file changed or replaced
// since then has another identity.
struct FileIdentity {
    std::uint64_t device = 0, inode = 0, size = 0;
    std::int64_t modifiedNs = 0;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// A picture or sound file opened for reading. Only a regular file is taken:
// the name is opened without waiting (O_NONBLOCK), so a FIFO, socket or
// device in its place is refused at once instead of blocking the program.
class RegularFile {
public:
    // nullopt and the reason ("not a regular file", strerror) otherwise.
    static std::optional<RegularFile> Open(const std::string& path, std::string& error);
    ~RegularFile();
    RegularFile(RegularFile&& other) noexcept;
    RegularFile& operator=(RegularFile&&) = delete;
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    std::uint64_t Size() const { return identity_.size; }
    const FileIdentity& Identity() const { return identity_; }

    // The first `count` bytes (fewer when the file is shorter or a read fails).
    std::vector<std::uint8_t> ReadStart(std::size_t count) const;

private:
    RegularFile(int fd, FileIdentity identity) : fd_(fd), identity_(identity) {}
    int fd_ = -1;
    FileIdentity identity_;
};

// The identity of the regular file of that name now; nullopt when there is none.
std::optional<FileIdentity> RegularFileIdentity(const std::string& path);

}  // namespace runtime
