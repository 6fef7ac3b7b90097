#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <utime.h>

#include <csignal>
#include <cstdio>
#include <ctime>

#include "frame/WholeFile.h"
#include "frame/tests/TempFolder.h"
#include "frame/tests/Unprivileged.h"

namespace frame {
namespace {

using namespace std::string_literals;
using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;
namespace fs = std::filesystem;

std::vector<std::string> FolderNames(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ReadWholeFile, TellsMissingFromUnreadable) {
    TempFolder folder;
    const FileText missing = ReadWholeFile(folder.Path() / "none.INI");
    EXPECT_EQ(missing.status, FileText::Status::Missing);
    EXPECT_TRUE(missing.bytes.empty());

    fs::create_directory(folder.Path() / "folder.INI");
    const FileText folderFile = ReadWholeFile(folder.Path() / "folder.INI");
    EXPECT_EQ(folderFile.status, FileText::Status::Unreadable);
    EXPECT_NE(folderFile.error.find("folder.INI"), std::string::npos);

    const FileText device = ReadWholeFile("/dev/zero");
    EXPECT_EQ(device.status, FileText::Status::Unreadable);
}

// Nothing but a regular file is read, and nothing is waited on: a FIFO with
// no writer would block a plain open for ever.
TEST(ReadWholeFile, RefusesWhatIsNoRegularFileAtOnce) {
    TempFolder folder;
    const fs::path fifo = folder.Path() / "fifo.INI";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const fs::path socket = folder.Path() / "socket.INI";
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socket.c_str());
    ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    fs::create_directory(folder.Path() / "folder.INI");

    struct Case {
        fs::path path;
        const char* kind;
    };
    for (const Case& c :
         {Case{fifo, "a FIFO"}, Case{socket, "cannot open"},
          Case{folder.Path() / "folder.INI", "a folder"}, Case{"/dev/null", "a device"}}) {
        const FileText text = ReadWholeFile(c.path);
        EXPECT_EQ(text.status, FileText::Status::Unreadable) << c.path;
        EXPECT_NE(text.error.find(c.path.string()), std::string::npos) << text.error;
        EXPECT_NE(text.error.find(c.kind), std::string::npos) << text.error;
    }
    ::close(fd);
    EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST(WriteWholeFileAtomically, WritesEveryByteAndLeavesNothingElse) {
    TempFolder folder;
    const fs::path path = folder.Path() / "abacor.INI";
    const std::string bytes = "[Main]\r\n\0\xff binary\n"s + std::string(100000, 'x');
    std::string error;
    ASSERT_TRUE(WriteWholeFileAtomically(path, bytes, error)) << error;
    EXPECT_EQ(ReadWholeFile(path).bytes, bytes);
    ASSERT_TRUE(WriteWholeFileAtomically(path, "short", error)) << error;
    EXPECT_EQ(ReadFile(path), "short");
    EXPECT_EQ(FolderNames(folder.Path()), std::vector<std::string>{"abacor.INI"});
}

// A symbolic link is followed to the end of its chain, also when the file
// it names is not there yet; the new file is made in the target's folder.
TEST(WriteWholeFileAtomically, WritesThroughLinksIntoTheTargetsFolder) {
    TempFolder folder;
    fs::create_directories(folder.Path() / "config");
    fs::create_directories(folder.Path() / "dotfiles");
    const fs::path link = folder.Path() / "config" / "abacor.INI";
    const fs::path middle = folder.Path() / "config" / "middle.INI";
    fs::create_symlink("middle.INI", link);
    fs::create_symlink("../dotfiles/abacor.INI", middle);  // dangling for now
    const fs::path target = folder.Path() / "dotfiles" / "abacor.INI";
    EXPECT_EQ(SaveTarget(link), target);

    std::string error;
    ASSERT_TRUE(WriteWholeFileAtomically(link, "first", error)) << error;
    ASSERT_TRUE(WriteWholeFileAtomically(link, "second", error)) << error;
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_TRUE(fs::is_symlink(middle));
    EXPECT_EQ(ReadFile(target), "second");
    EXPECT_EQ(ReadWholeFile(link).bytes, "second");
    EXPECT_EQ(FolderNames(folder.Path() / "config"),
              (std::vector<std::string>{"abacor.INI", "middle.INI"}));
    EXPECT_EQ(FolderNames(folder.Path() / "dotfiles"), std::vector<std::string>{"abacor.INI"});
}

TEST(WriteWholeFileAtomically, KeepsPermissionsAndSymbolicLinks) {
    TempFolder folder;
    const fs::path real = folder.Path() / "real.INI";
    const fs::path link = folder.Path() / "abacor.INI";
    WriteFile(real, "old");
    ::chmod(real.c_str(), 0640);
    fs::create_symlink(real, link);

    std::string error;
    ASSERT_TRUE(WriteWholeFileAtomically(link, "new", error)) << error;
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFile(real), "new");
    struct stat info {};
    ASSERT_EQ(::stat(real.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

// A write that fails halfway leaves the old file whole and no temporary
// file behind: the file size limit (which even root cannot pass) and a
// full disk.
ssize_t FullDisk(int fd, const void* data, std::size_t size) {
    if (::write(fd, data, std::min<std::size_t>(size, 1000)) < 0) return -1;
    errno = ENOSPC;
    return -1;
}

TEST(WriteWholeFileAtomically, FailedWriteKeepsTheOldFile) {
    TempFolder folder;
    const fs::path path = folder.Path() / "abacor.INI";
    const std::string old = "[Main]\nXPos=1\n";
    WriteFile(path, old);

    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 4096;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string error;
    const bool written = WriteWholeFileAtomically(path, std::string(64 * 1024, 'x'), error);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(error, "cannot write " + path.string() + ": File too large");
    EXPECT_EQ(ReadFile(path), old);
    EXPECT_EQ(FolderNames(folder.Path()), std::vector<std::string>{"abacor.INI"});

    EXPECT_FALSE(WriteWholeFileAtomically(path, std::string(64 * 1024, 'x'), error, FullDisk));
    EXPECT_EQ(error, "cannot write " + path.string() + ": No space left on device");
    EXPECT_EQ(ReadFile(path), old);
    EXPECT_EQ(FolderNames(folder.Path()), std::vector<std::string>{"abacor.INI"});
}

TEST(WriteWholeFileAtomically, ReadOnlyFolderIsAnErrorThatNamesIt) {
    TempFolder temp;
    const fs::path folder = temp.Path() / "settings";
    fs::create_directories(folder);
    WriteFile(folder / "abacor.INI", "old");
    ::chmod(folder.c_str(), 0555);
    const std::string error = testing::AsUnprivileged(temp.Path(), [&] {
        std::string why;
        return WriteWholeFileAtomically(folder / "abacor.INI", "new", why) ? "written" : why;
    });
    EXPECT_EQ(error, "cannot create a file in " + folder.string() + ": Permission denied");
    EXPECT_EQ(ReadFile(folder / "abacor.INI"), "old");
    EXPECT_EQ(FolderNames(folder), std::vector<std::string>{"abacor.INI"});
}

// What a killed save leaves is named after its process; a later start
// removes it once that process is gone, and nothing else.
TEST(RemoveLeftoverTemporaryFiles, RemovesThoseOfDeadProcessesOnly) {
    TempFolder folder;
    const fs::path path = folder.Path() / "abacor.INI";
    WriteFile(path, "[Main]\n");
    const pid_t dead = ::fork();
    if (dead == 0) ::_exit(0);
    ASSERT_GT(dead, 0);
    ::waitpid(dead, nullptr, 0);

    const auto dotName = [](pid_t pid) { return ".abacor.INI.tmp-" + std::to_string(pid); };
    EXPECT_EQ(TemporaryFileFor(path, dead), folder.Path() / dotName(dead));
    WriteFile(folder.Path() / dotName(dead), "half a save");
    WriteFile(folder.Path() / dotName(1), "a save of a running process");
    WriteFile(folder.Path() / dotName(::getpid()), "ours");
    WriteFile(folder.Path() / ".abacor.INI.k3Xq9Z", "earlier form, old");
    WriteFile(folder.Path() / ".abacor.INI.Fresh1", "earlier form, just made");
    for (const char* name :
         {".abacor.INI.tmp-", ".abacor.INI.tmp--1", ".abacor.INI.tmp-012", ".abacor.INI.tmp-12x",
          ".shapor.INI.tmp-999999", "abacor.INI.tmp-999999"})
        WriteFile(folder.Path() / name, "not a leftover");
    fs::create_directory(folder.Path() / (dotName(dead) + "0"));  // a folder is never removed
    const fs::path old = folder.Path() / ".abacor.INI.k3Xq9Z";
    const utimbuf twoHoursAgo{std::time(nullptr) - 7200, std::time(nullptr) - 7200};
    ASSERT_EQ(::utime(old.c_str(), &twoHoursAgo), 0);

    EXPECT_EQ(RemoveLeftoverTemporaryFiles(path), 2);
    EXPECT_FALSE(fs::exists(folder.Path() / dotName(dead)));
    EXPECT_FALSE(fs::exists(old));
    EXPECT_EQ(FolderNames(folder.Path()).size(), 11u);
}

// A leftover under this process's own name (a dead process had the same
// number) does not stop the save.
TEST(WriteWholeFileAtomically, ReplacesALeftoverUnderItsOwnName) {
    TempFolder folder;
    const fs::path path = folder.Path() / "abacor.INI";
    WriteFile(TemporaryFileFor(path, ::getpid()), "half a save");
    std::string error;
    ASSERT_TRUE(WriteWholeFileAtomically(path, "whole", error)) << error;
    EXPECT_EQ(ReadFile(path), "whole");
    EXPECT_EQ(FolderNames(folder.Path()), std::vector<std::string>{"abacor.INI"});
}

TEST(WriteWholeFileAtomically, MissingFolderIsAnError) {
    TempFolder folder;
    std::string error;
    EXPECT_FALSE(WriteWholeFileAtomically(folder.Path() / "gone" / "abacor.INI", "x", error));
    EXPECT_NE(error.find("gone"), std::string::npos);
}

}  // namespace
}  // namespace frame
