#pragma once

#include <sys/types.h>
#include <unistd.h>

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace frame {

// Reading and writing a small file as a whole, with errors as short texts
// that name the file and the reason.

struct FileText {
    enum class Status { Read, Missing, Unreadable };
    Status status = Status::Missing;
    std::string bytes;
    std::string error;  // why it was unreadable
};

// A missing file (or a symbolic link to nothing) is not an error: it reads
// as Missing with no bytes. Only a regular file is read: a FIFO, socket,
// device or folder in its place is Unreadable at once, never waited on.
FileText ReadWholeFile(const std::filesystem::path& path);

// The file a save of `path` replaces: the end of its chain of symbolic
// links (which need not exist yet), else `path` itself.
std::filesystem::path SaveTarget(const std::filesystem::path& path);

// The temporary file a save by process `pid` writes beside `target`:
// ".<name>.tmp-<pid>", so a later start can tell whose it was.
std::filesystem::path TemporaryFileFor(const std::filesystem::path& target, pid_t pid);

// The write call a save uses; tests put a failing one in its place.
using WriteCall = ssize_t (*)(int fd, const void* data, std::size_t size);

// Writes `bytes` to the temporary file beside SaveTarget(path), flushes it
// to disk and renames it over the target, so a crash or a full disk leaves
// either the old file or the new one, never a half-written one; a symbolic
// link stays a link. On failure the old file is untouched, the temporary
// file removed, and `error` says why.
bool WriteWholeFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                              std::string& error, WriteCall write = ::write);

// Removes what saves of `path` left behind when their process was killed:
// temporary files of processes that no longer run (those of a running one
// are kept), and hour-old ones of the earlier ".<name>.XXXXXX" form.
// Returns how many it removed.
int RemoveLeftoverTemporaryFiles(const std::filesystem::path& path);

}  // namespace frame
