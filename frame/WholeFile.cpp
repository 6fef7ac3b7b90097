#include "frame/WholeFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cctype>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstring>
#include <ctime>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

namespace frame {
namespace {

namespace fs = std::filesystem;

// Settings files are small; anything far bigger is not one of ours and is
// left alone rather than read into memory.
constexpr off_t MaxFileSize = 16 * 1024 * 1024;
// More links than this in a row is a loop.
constexpr int MaxLinks = 40;
// A save takes milliseconds; a temporary file of the earlier form that is
// this old belongs to no save in progress.
constexpr std::time_t OldLeftoverAge = 60 * 60;

class UniqueFd {
public:
    explicit UniqueFd(int fd = -1) : fd_(fd) {}
    ~UniqueFd() {
        if (fd_ >= 0) ::close(fd_);
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    int Get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    // Closes now, reporting the result (close can report a failed write-back).
    bool Close() { return ::close(std::exchange(fd_, -1)) == 0; }

private:
    int fd_;
};

std::string Reason(std::string_view what, const fs::path& path, int error) {
    return std::string(what) + " " + path.string() + ": " + std::strerror(error);
}

const char* KindOf(mode_t mode) {
    if (S_ISDIR(mode)) return "a folder";
    if (S_ISFIFO(mode)) return "a FIFO";
    if (S_ISSOCK(mode)) return "a socket";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
    return "not a regular file";
}

bool WriteAll(WriteCall write, int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Removes the temporary file unless it was renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(fs::path path) : path_(std::move(path)) {}
    ~TemporaryFile() {
        if (!kept_) ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    void Keep() { kept_ = true; }

private:
    fs::path path_;
    bool kept_ = false;
};

// Creates the temporary file; one that is already there under this
// process's name was left by a dead process that had the same number.
int CreateTemporary(const fs::path& temporary) {
    for (int attempt = 0;; ++attempt) {
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST || attempt > 0) return fd;
        ::unlink(temporary.c_str());
    }
}

bool Running(pid_t pid) {
    return pid == ::getpid() || ::kill(pid, 0) == 0 || errno != ESRCH;
}

// The process number in ".<name>.tmp-<pid>", or 0 when `entry` is no such name.
pid_t LeftoverPid(std::string_view entry, std::string_view prefix) {
    if (!entry.starts_with(prefix)) return 0;
    const std::string_view digits = entry.substr(prefix.size());
    // Digits only: kill(-1, 0) would ask about every process.
    if (digits.empty() || digits.front() < '1' || digits.front() > '9') return 0;
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), pid);
    if (error != std::errc() || end != digits.data() + digits.size()) return 0;
    return pid;
}

// ".<name>." and six letters or digits, as mkstemp made them.
bool EarlierFormLeftover(std::string_view entry, std::string_view prefix) {
    if (!entry.starts_with(prefix) || entry.size() != prefix.size() + 6) return false;
    for (const char c : entry.substr(prefix.size()))
        if (!std::isalnum(static_cast<unsigned char>(c))) return false;
    return true;
}

// Saves of this process run one at a time, so the temporary file named
// after the process is only ever written by one of them.
std::mutex& SaveMutex() {
    static std::mutex mutex;
    return mutex;
}

}  // namespace

FileText ReadWholeFile(const fs::path& path) {
    FileText result;
    // Without O_NONBLOCK, opening a FIFO waits for a writer, for ever.
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd) {
        if (errno == ENOENT) return result;
        result.status = FileText::Status::Unreadable;
        result.error = Reason("cannot open", path, errno);
        return result;
    }
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0) {
        result.status = FileText::Status::Unreadable;
        result.error = Reason("cannot read", path, errno);
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.status = FileText::Status::Unreadable;
        result.error = path.string() + " is " + KindOf(info.st_mode) + ", not a settings file";
        return result;
    }
    if (info.st_size > MaxFileSize) {
        result.status = FileText::Status::Unreadable;
        result.error = path.string() + " is too big for a settings file";
        return result;
    }
    std::vector<char> buffer(64 * 1024);
    for (;;) {
        const ssize_t n = ::read(fd.Get(), buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            result.status = FileText::Status::Unreadable;
            result.error = Reason("cannot read", path, errno);
            result.bytes.clear();
            return result;
        }
        if (n == 0) break;
        result.bytes.append(buffer.data(), static_cast<std::size_t>(n));
        if (result.bytes.size() > static_cast<std::size_t>(MaxFileSize)) {
            result.status = FileText::Status::Unreadable;
            result.error = path.string() + " is too big for a settings file";
            result.bytes.clear();
            return result;
        }
    }
    result.status = FileText::Status::Read;
    return result;
}

fs::path SaveTarget(const fs::path& path) {
    fs::path target = path;
    for (int links = 0; links < MaxLinks; ++links) {
        std::error_code ec;
        if (!fs::is_symlink(target, ec)) break;
        const fs::path next = fs::read_symlink(target, ec);
        if (ec) break;
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return target.lexically_normal();
}

fs::path TemporaryFileFor(const fs::path& target, pid_t pid) {
    return target.parent_path() /
           ("." + target.filename().string() + ".tmp-" + std::to_string(pid));
}

bool WriteWholeFileAtomically(const fs::path& path, std::string_view bytes, std::string& error,
                              WriteCall write) {
    const std::lock_guard lock(SaveMutex());
    const fs::path target = SaveTarget(path);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const fs::path temporary = TemporaryFileFor(folder / target.filename(), ::getpid());

    UniqueFd fd(CreateTemporary(temporary));
    if (!fd) {
        error = Reason("cannot create a file in", folder, errno);
        return false;
    }
    TemporaryFile cleanup(temporary);

    // The new file gets the old one's permissions (it was made 0600).
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) ::fchmod(fd.Get(), old.st_mode & 07777);

    // Errors name the settings file: the temporary one is gone with them.
    if (!WriteAll(write, fd.Get(), bytes)) {
        error = Reason("cannot write", target, errno);
        return false;
    }
    if (::fsync(fd.Get()) != 0) {
        error = Reason("cannot write", target, errno);
        return false;
    }
    if (!fd.Close()) {
        error = Reason("cannot write", target, errno);
        return false;
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        error = Reason("cannot replace", target, errno);
        return false;
    }
    cleanup.Keep();
    // Make the rename itself durable; the file is in place either way.
    UniqueFd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir) ::fsync(dir.Get());
    return true;
}

int RemoveLeftoverTemporaryFiles(const fs::path& path) {
    const fs::path target = SaveTarget(path);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const std::string earlierPrefix = "." + target.filename().string() + ".";
    const std::string prefix = earlierPrefix + "tmp-";

    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir) return 0;
    const std::time_t now = std::time(nullptr);
    int removed = 0;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        const pid_t pid = LeftoverPid(name, prefix);
        const bool earlier = pid == 0 && EarlierFormLeftover(name, earlierPrefix);
        if (pid == 0 && !earlier) continue;
        struct stat info {};
        if (::fstatat(::dirfd(dir.get()), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(info.st_mode))
            continue;
        const bool dead = earlier ? now - info.st_mtime > OldLeftoverAge : !Running(pid);
        if (dead && ::unlinkat(::dirfd(dir.get()), entry->d_name, 0) == 0) ++removed;
    }
    return removed;
}

}  // namespace frame
