#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "runtime/DataFolder.h"

namespace runtime {
namespace {

namespace fs = std::filesystem;

// A working folder, and an installed tree: prefix/bin/abacor beside
// prefix/share/korvanda.
class DataFolderTest : public ::testing::Test {
protected:
    DataFolderTest()
        : root(fs::temp_directory_path() /
               ("korvanda-data-" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()))),
          working(root / "working"),
          installed(root / "prefix/share/korvanda"),
          executable(root / "prefix/bin/abacor") {
        fs::remove_all(root);
        fs::create_directories(working);
        fs::create_directories(installed);
        fs::create_directories(executable.parent_path());
    }
    ~DataFolderTest() override { fs::remove_all(root); }

    static void HoldFiles(const fs::path& folder) { std::ofstream(folder / "star1.bmp") << "BM"; }

    const fs::path root, working, installed, executable;
};

TEST_F(DataFolderTest, WorkingFolderWinsOverTheInstalledOne) {
    HoldFiles(working);
    HoldFiles(installed);
    const DataFolder data = FindDataFolder(working, executable);
    EXPECT_TRUE(data.found);
    EXPECT_EQ(data.folder, working);
    EXPECT_EQ(data.tried, std::vector<fs::path>{working});
}

TEST_F(DataFolderTest, InstalledFolderBesideTheBinFolderWhenTheWorkingOneHoldsNothing) {
    HoldFiles(installed);
    const DataFolder data = FindDataFolder(working, executable);
    EXPECT_TRUE(data.found);
    EXPECT_EQ(data.folder, installed);
    EXPECT_EQ(data.tried, (std::vector<fs::path>{working, installed}));
}

TEST_F(DataFolderTest, NeitherKeepsTheWorkingFolderAndNamesBothInOneLine) {
    const DataFolder data = FindDataFolder(working, executable);
    EXPECT_FALSE(data.found);
    EXPECT_EQ(data.folder, working);
    const std::string line = DescribeMissing(data);
    EXPECT_EQ(line, "no pictures or voices in " + working.string() + " or " + installed.string());
    EXPECT_EQ(line.find('\n'), std::string::npos);
}

TEST_F(DataFolderTest, OnlyARegularFileCounts) {
    fs::create_directory(working / "star1.bmp");                    // a folder of that name
    fs::create_symlink(root / "missing", installed / "star1.bmp");  // a dangling link
    EXPECT_FALSE(FindDataFolder(working, executable).found);
}

TEST_F(DataFolderTest, WithoutAnExecutableOnlyTheWorkingFolderIsTried) {
    const DataFolder data = FindDataFolder(working, {});
    EXPECT_FALSE(data.found);
    EXPECT_EQ(data.tried, std::vector<fs::path>{working});
}

TEST(DataFolderName, RelativeFoldersAreNamedInFull) {
    const DataFolder data{".", false, {"."}};
    EXPECT_EQ(DescribeMissing(data), "no pictures or voices in " + fs::current_path().string());
}

}  // namespace
}  // namespace runtime
