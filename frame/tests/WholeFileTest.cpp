#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include "frame/WholeFile.h"
#include "frame/tests/TempFolder.h"

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

// A write that fails halfway (here: the file size limit, which even root
// cannot pass) leaves the old file whole and no temporary file behind.
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
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ReadFile(path), old);
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
