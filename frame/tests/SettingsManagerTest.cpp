#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include "frame/SettingsManager.h"
#include "frame/tests/FakeWindow.h"
#include "frame/tests/TempFolder.h"
#include "frame/tests/Unprivileged.h"
#include "runtime/Services.h"

namespace frame {
namespace {

using namespace std::string_literals;
using testing::FakeWindow;
using testing::ReadFile;
using testing::ScopedEnv;
using testing::TempFolder;
using testing::WriteFile;
namespace fs = std::filesystem;

class Lines final : public runtime::DebugOutput {
public:
    void Write(std::string_view text) override { lines.emplace_back(text); }
    std::vector<std::string> lines;
};

// A settings folder of its own in a temporary XDG_CONFIG_HOME.
class SettingsManagerTest : public ::testing::Test {
protected:
    fs::path File() const { return temp_.Path() / "korvanda" / "abacor.INI"; }
    void Given(const std::string& text) {
        fs::create_directories(File().parent_path());
        WriteFile(File(), text);
    }

    // One whole run: open, restore, the window is used, save, close.
    template <typename Use>
    void Run(FakeWindow& window, Use use) {
        SettingsManager settings(&debug_);
        settings.Open("abacor.INI");
        settings.FetchWindow("Main", window);
        use(window);
        settings.UpdateWindow("Main", window);
        settings.Close();
    }
    void Run(FakeWindow& window) {
        Run(window, [](FakeWindow&) {});
    }

    TempFolder temp_;
    ScopedEnv xdg_{"XDG_CONFIG_HOME", temp_.Path().string()};
    Lines debug_;
};

TEST_F(SettingsManagerTest, FirstRunWritesExactlyThePlacementAndAnEmptySectorList) {
    FakeWindow window;
    Run(window, [](FakeWindow& w) {
        EXPECT_TRUE(w.calls.empty());  // opens where its definition puts it
        w.position = {40, 30};
    });
    EXPECT_EQ(ReadFile(File()),
              "[Main]\nMaximize=No\nMinimize=No\nXPos=40\nYPos=30\n"
              "\n[__Dont_Touch_Me__]\nSectors=0\n");
    EXPECT_TRUE(debug_.lines.empty());

    FakeWindow next;
    Run(next);
    EXPECT_EQ(next.position, (runtime::Point{40, 30}));
}

TEST_F(SettingsManagerTest, ClosingMaximizedOrMinimizedForgetsThePositionAndComesBackSo) {
    struct Case {
        const char* name;
        bool maximized, minimized;
        const char* expected;
    };
    const Case cases[] = {
        {"maximized", true, false, "[Main]\nMaximize=Yes\nMinimize=No\n"},
        {"minimized", false, true, "[Main]\nMaximize=No\nMinimize=Yes\n"},
    };
    for (const Case& c : cases) {
        Given("[Main]\nMaximize=No\nMinimize=No\nXPos=40\nYPos=30\n");
        FakeWindow window;
        Run(window, [&](FakeWindow& w) {
            w.maximized = c.maximized;
            w.minimized = c.minimized;
        });
        EXPECT_EQ(ReadFile(File()), c.expected + "\n[__Dont_Touch_Me__]\nSectors=0\n"s) << c.name;

        FakeWindow next;
        SettingsManager settings;
        settings.Open("abacor.INI");
        settings.FetchWindow("Main", next);
        EXPECT_EQ(next.maximized, c.maximized) << c.name;
        EXPECT_EQ(next.minimized, c.minimized) << c.name;
        EXPECT_EQ(next.position, (runtime::Point{10, 20})) << c.name;  // kept its opening place
    }
}

TEST_F(SettingsManagerTest, UnusableMaximizeRestoresNothing) {
    for (const char* maximize :
         {"", "Maximize=\n", "Maximize=maybe\n", "Maximize=YES\n", "Maximize=No!\n"}) {
        Given("[Main]\n"s + maximize + "Minimize=Yes\nXPos=400\nYPos=300\n");
        FakeWindow window;
        SettingsManager settings;
        settings.Open("abacor.INI");
        settings.FetchWindow("Main", window);
        EXPECT_TRUE(window.calls.empty()) << maximize;
    }
}

TEST_F(SettingsManagerTest, HandAddedSizeIsNeverAppliedAndGoneAfterTheNextSave) {
    Given("[Main]\nMaximize=No\nMinimize=No\nXPos=1\nYPos=2\nWidth=500\nHeight=400\n");
    FakeWindow window;
    Run(window, [](FakeWindow& w) {
        EXPECT_EQ(w.calls, (std::vector<std::string>{"SetPosition(1,2)", "SetMinimized(false)"}));
    });
    EXPECT_EQ(window.size, (runtime::Size{300, 200}));
    const std::string text = ReadFile(File());
    EXPECT_EQ(text.find("Width"), std::string::npos) << text;
    EXPECT_EQ(text.find("Height"), std::string::npos) << text;
}

TEST_F(SettingsManagerTest, ResizableWindowKeepsItsSize) {
    FakeWindow window;
    window.resizable = true;
    Run(window, [](FakeWindow& w) { w.size = {320, 286}; });
    FakeWindow next;
    next.resizable = true;
    Run(next);
    EXPECT_EQ(next.size, (runtime::Size{320, 286}));
}

// Sectors, other sections, comments and unknown keys survive a run byte
// for byte; only the placement lines change.
TEST_F(SettingsManagerTest, EverythingElseInTheFileSurvivesARun) {
    const std::string head =
        "; written by hand\r\n"
        "[Other Program]\r\n"
        "Colour=blue\r\n"
        "\r\n"
        "[__Dont_Touch_Me__]\r\n"
        "Sectors=2\r\n"
        "Sectors_1=Family,Item,Type\r\n"
        "Sectors_2=a,b,c,with,commas\r\n"
        "Extra=kept\r\n"
        "\r\n"
        "[Main]\r\n"
        "Note=mine\r\n";
    Given(head +
          "Maximize=No\r\nMinimize=No\r\nXPos=1\r\nYPos=2\r\n[Tail]\r\nlast line without newline");
    FakeWindow window;
    SettingsManager settings;
    settings.Open("abacor.INI");
    EXPECT_EQ(settings.Sectors(),
              (std::vector<Sector>{{"Family", "Item", "Type"}, {"a", "b", "c,with,commas"}}));
    settings.FetchWindow("Main", window);
    window.position = {7, 8};
    settings.UpdateWindow("Main", window);
    settings.Close();
    EXPECT_EQ(ReadFile(File()), head +
                                    "Maximize=No\r\nMinimize=No\r\nXPos=7\r\nYPos=8\r\n"
                                    "[Tail]\r\nlast line without newline");
}

TEST_F(SettingsManagerTest, ReadsTheFileAgainBeforeWriting) {
    FakeWindow window;
    SettingsManager settings;
    settings.Open("abacor.INI");
    settings.FetchWindow("Main", window);
    // Another program writes while the window is open.
    Given("[Other]\nAdded=meanwhile\n");
    settings.UpdateWindow("Main", window);
    settings.Close();
    EXPECT_EQ(ReadFile(File()),
              "[Other]\nAdded=meanwhile\n\n[Main]\nMaximize=No\nMinimize=No\nXPos=10\nYPos=20\n"
              "\n[__Dont_Touch_Me__]\nSectors=0\n");
}

TEST_F(SettingsManagerTest, DamagedSectorListsAreReadSafely) {
    struct Case {
        const char* name;
        std::string section;
        std::vector<Sector> expected;
        std::string written;
    };
    const std::string longField(150, 'f');
    const Case cases[] = {
        {"count not a number",
         "Sectors=lots\nSectors_1=a,b,c\n",
         {},
         "Sectors=0\nSectors_1=a,b,c\n"},
        {"negative count", "Sectors=-3\n", {}, "Sectors=0\n"},
        // A bogus count ends at the last real entry; the count key is no
        // entry, and no entry is ever made up.
        {"huge count, no entries", "Sectors=2147483647\n", {}, "Sectors=0\n"},
        {"huge count, one entry",
         "Sectors=2147483647\nSectors_1=a,b,c\n",
         {{"a", "b", "c"}},
         "Sectors=1\nSectors_1=a,b,c\n"},
        {"huge count, three entries",
         "Sectors=2147483647\nSectors_1=a,b,c\nSectors_2=d,e,f\nSectors_3=g,h,i\n",
         {{"a", "b", "c"}, {"d", "e", "f"}, {"g", "h", "i"}},
         "Sectors=3\nSectors_1=a,b,c\nSectors_2=d,e,f\nSectors_3=g,h,i\n"},
        {"count beyond the entries, keys that only look like entries",
         "Sectors=5\nSectors_1=a,b,c\nSectors_02=x,y,z\nSectors_+3=x,y,z\nSectorsX=1\n",
         {{"a", "b", "c"}},
         "Sectors=1\nSectors_1=a,b,c\nSectors_02=x,y,z\nSectors_+3=x,y,z\nSectorsX=1\n"},
        // A file whose count and entries disagree keeps every entry.
        {"missing entry",
         "Sectors=3\nSectors_1=a,b,c\nSectors_3=x,y,z\n",
         {{"a", "b", "c"}, {"", "", ""}, {"x", "y", "z"}},
         "Sectors=3\nSectors_1=a,b,c\nSectors_3=x,y,z\n"},
        {"more entries than the count",
         "Sectors=1\nSectors_1=a,b,c\nSectors_2=d,e,f\n",
         {{"a", "b", "c"}},
         "Sectors=1\nSectors_1=a,b,c\nSectors_2=d,e,f\n"},
        {"short entry",
         "Sectors=1\nSectors_1=only\n",
         {{"only", "", ""}},
         "Sectors=1\nSectors_1=only,,\n"},
        {"long field cut at 99",
         "Sectors=1\nSectors_1=" + longField + ",b,c\n",
         {{std::string(99, 'f'), "b", "c"}},
         "Sectors=1\nSectors_1=" + std::string(99, 'f') + ",b,c\n"},
    };
    for (const Case& c : cases) {
        Given("[__Dont_Touch_Me__]\n" + c.section);
        SettingsManager settings;
        settings.Open("abacor.INI");
        EXPECT_EQ(settings.Sectors(), c.expected) << c.name;
        settings.Close();
        EXPECT_EQ(ReadFile(File()), "[__Dont_Touch_Me__]\n" + c.written) << c.name;
    }
}

TEST_F(SettingsManagerTest, BinaryFileKeepsItsBytes) {
    std::string junk =
        "\x7f"
        "ELF\0\0\x01[Main\0]\nMaximize=Yes\0\n\xff\xfe"s;
    for (int i = 0; i < 2000; ++i) junk += static_cast<char>((i * 37) % 251 + 1);
    Given(junk);
    FakeWindow window;
    Run(window);
    const std::string text = ReadFile(File());
    EXPECT_EQ(text.substr(0, junk.size()), junk);
    EXPECT_NE(text.find("\n[Main]\nMaximize=No\nMinimize=No\nXPos=10\nYPos=20\n"),
              std::string::npos);
}

TEST_F(SettingsManagerTest, AFileThatCannotBeReadIsNeverWritten) {
    fs::create_directories(File());  // a folder where the file should be
    FakeWindow window;
    Run(window);
    EXPECT_TRUE(fs::is_directory(File()));
    EXPECT_TRUE(fs::is_empty(File()));
    EXPECT_TRUE(window.calls.empty());
    EXPECT_FALSE(debug_.lines.empty());
}

TEST_F(SettingsManagerTest, WithoutAUsableFolderTheProgramRunsWithoutSaving) {
    WriteFile(temp_.Path() / "plain-file", "x");
    const ScopedEnv xdg("XDG_CONFIG_HOME", (temp_.Path() / "plain-file").string());
    FakeWindow window;
    SettingsManager settings(&debug_);
    settings.Open("abacor.INI");
    EXPECT_FALSE(settings.Path());
    settings.FetchWindow("Main", window);
    settings.UpdateWindow("Main", window);
    settings.Close();
    EXPECT_TRUE(window.calls.empty());
    ASSERT_EQ(debug_.lines.size(), 1u);
    EXPECT_NE(debug_.lines[0].find("not saved"), std::string::npos);
}

TEST_F(SettingsManagerTest, WriteFailuresAreOneDebugLineAndNothingElse) {
    SettingsManager settings(&debug_);
    settings.Open("abacor.INI");
    fs::remove_all(File().parent_path());  // the folder went away
    FakeWindow window;
    settings.UpdateWindow("Main", window);
    settings.Close();
    EXPECT_FALSE(fs::exists(File()));
    // Both writes fail for the same reason: said once, naming the folder.
    ASSERT_EQ(debug_.lines.size(), 1u);
    EXPECT_NE(debug_.lines[0].find(File().parent_path().string() + ": No such file or directory"),
              std::string::npos)
        << debug_.lines[0];
}

TEST_F(SettingsManagerTest, UnchangedFileIsNotRewritten) {
    Given("[Main]\nMaximize=No\nMinimize=No\nXPos=10\nYPos=20\n\n[__Dont_Touch_Me__]\nSectors=0\n");
    struct stat before {};
    ASSERT_EQ(::stat(File().c_str(), &before), 0);
    FakeWindow window;
    Run(window);
    struct stat after {};
    ASSERT_EQ(::stat(File().c_str(), &after), 0);
    EXPECT_EQ(before.st_ino, after.st_ino);
}

// As some editors save it: the mark is no part of "[Main]", and stays.
TEST_F(SettingsManagerTest, AByteOrderMarkIsReadAsNothingAndKept) {
    const std::string placement = "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=40\r\nYPos=30\r\n";
    Given("\xEF\xBB\xBF" + placement);
    FakeWindow window;
    Run(window);
    EXPECT_EQ(window.position, (runtime::Point{40, 30}));
    EXPECT_EQ(ReadFile(File()),
              "\xEF\xBB\xBF" + placement + "\r\n[__Dont_Touch_Me__]\r\nSectors=0\r\n");
}

// A FIFO, socket or folder in place of the file is neither waited on nor
// replaced; one line says why nothing is saved.
TEST_F(SettingsManagerTest, NoRegularFileIsNeverWaitedOnNorReplaced) {
    fs::create_directories(File().parent_path());
    ASSERT_EQ(::mkfifo(File().c_str(), 0600), 0);
    FakeWindow window;
    Run(window, [](FakeWindow& w) { w.position = {40, 30}; });
    EXPECT_TRUE(fs::is_fifo(File()));
    EXPECT_EQ(debug_.lines, (std::vector<std::string>{"settings are not saved: " + File().string() +
                                                      " is a FIFO, not a settings file\n"}));
    EXPECT_EQ(std::distance(fs::directory_iterator(File().parent_path()), fs::directory_iterator()),
              1);
}

// People keep their settings under version control and link them in.
TEST_F(SettingsManagerTest, ASymbolicLinkIsReadThroughAndItsTargetSaved) {
    const fs::path target = temp_.Path() / "dotfiles" / "abacor.INI";
    testing::Given(target, "[Main]\nMaximize=No\nMinimize=No\nXPos=40\nYPos=30\n");
    fs::create_directories(File().parent_path());
    fs::create_symlink("../dotfiles/abacor.INI", File());
    FakeWindow window;
    Run(window, [](FakeWindow& w) {
        EXPECT_EQ(w.position, (runtime::Point{40, 30}));
        w.position = {41, 31};
    });
    EXPECT_TRUE(fs::is_symlink(File()));
    EXPECT_EQ(
        ReadFile(target),
        "[Main]\nMaximize=No\nMinimize=No\nXPos=41\nYPos=31\n\n[__Dont_Touch_Me__]\nSectors=0\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(target.parent_path()), fs::directory_iterator()),
              1);
    EXPECT_TRUE(debug_.lines.empty());
}

ssize_t FullDisk(int, const void*, std::size_t) {
    errno = ENOSPC;
    return -1;
}

// A run that cannot save says so once, with the file and the reason, and
// leaves no temporary file.
TEST_F(SettingsManagerTest, AFullDiskIsOneLineAndLeavesNoTemporaryFile) {
    Given("[Main]\nMaximize=No\nMinimize=No\nXPos=1\nYPos=2\n");
    Lines debug;
    SettingsManager settings(&debug, FullDisk);
    FakeWindow window;
    settings.Open("abacor.INI");
    settings.FetchWindow("Main", window);
    window.position = {40, 30};
    settings.UpdateWindow("Main", window);
    settings.Close();
    EXPECT_EQ(debug.lines,
              (std::vector<std::string>{"settings are not saved: cannot write " + File().string() +
                                        ": No space left on device\n"}));
    EXPECT_EQ(ReadFile(File()), "[Main]\nMaximize=No\nMinimize=No\nXPos=1\nYPos=2\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(File().parent_path()), fs::directory_iterator()),
              1);
}

// Read-only folders, as a user whom permissions bind: the settings folder
// itself, and one above the settings folder that is still to be made.
TEST_F(SettingsManagerTest, AReadOnlyFolderIsOneLineNamingItAndLeavesNoTemporaryFile) {
    Given("[Main]\nMaximize=No\nMinimize=No\nXPos=1\nYPos=2\n");
    fs::create_directories(temp_.Path() / "locked");
    const fs::path settingsFolder = File().parent_path();
    ::chmod(settingsFolder.c_str(), 0555);
    ::chmod((temp_.Path() / "locked").c_str(), 0555);

    const auto run = [&] {
        Lines debug;
        SettingsManager settings(&debug);
        FakeWindow window;
        settings.Open("abacor.INI");
        settings.FetchWindow("Main", window);
        window.position = {40, 30};
        settings.UpdateWindow("Main", window);
        settings.Close();
        std::string all;
        for (const std::string& line : debug.lines) all += line;
        return all;
    };
    EXPECT_EQ(testing::AsUnprivileged(temp_.Path(), run),
              "settings are not saved: cannot create a file in " + settingsFolder.string() +
                  ": Permission denied\n");
    EXPECT_EQ(ReadFile(File()), "[Main]\nMaximize=No\nMinimize=No\nXPos=1\nYPos=2\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(settingsFolder), fs::directory_iterator()), 1);

    const fs::path config = temp_.Path() / "locked" / "config";
    const ScopedEnv lockedConfig("XDG_CONFIG_HOME", config.string());
    EXPECT_EQ(testing::AsUnprivileged(temp_.Path(), run),
              "settings are not saved: cannot make the settings folder " +
                  (config / "korvanda").string() + ": cannot make " + config.string() +
                  ": Permission denied\n");
}

TEST_F(SettingsManagerTest, OpeningRemovesWhatKilledSavesLeft) {
    Given("[Main]\n");
    const pid_t dead = ::fork();
    if (dead == 0) ::_exit(0);
    ::waitpid(dead, nullptr, 0);
    const fs::path leftover = TemporaryFileFor(File(), dead);
    const fs::path running = TemporaryFileFor(File(), 1);
    WriteFile(leftover, "half a save");
    WriteFile(running, "a save going on");
    SettingsManager settings;
    settings.Open("abacor.INI");
    EXPECT_FALSE(fs::exists(leftover));
    EXPECT_TRUE(fs::exists(running));
}

TEST_F(SettingsManagerTest, OnlyTheBareFileNameIsUsed) {
    SettingsManager settings;
    settings.Open("../../elsewhere/abacor.INI");
    EXPECT_EQ(settings.Path(), File());
}

}  // namespace
}  // namespace frame
