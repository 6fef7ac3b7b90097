#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "abacor/Controls.h"
#include "abacor/tests/Rows.h"
#include "abacor/tests/Session.h"

namespace abacor::testing {
namespace {

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(Settings, ClosingRemembersThePlaceForTheNextStart) {
    Workspace workspace;
    {
        Session first;
        first.Window().SetPosition({40, 30});
        first.Close();
    }
    const std::string ini = ReadFile(workspace.SettingsFile());
    EXPECT_NE(ini.find("[Main]"), std::string::npos) << ini;
    EXPECT_NE(ini.find("XPos=40"), std::string::npos) << ini;
    EXPECT_NE(ini.find("YPos=30"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Maximize=No"), std::string::npos) << ini;
    EXPECT_EQ(ini.find("Width"), std::string::npos) << ini;

    Session second;
    EXPECT_EQ(second.Window().Position(), (runtime::Point{40, 30}));
}

// A settings file full of binary rubbish: the trainer starts and works, and
// the bytes it did not mean to change are still there afterwards.
TEST(Settings, DamagedFileStillStarts) {
    Workspace workspace;
    std::filesystem::create_directories(workspace.SettingsFile().parent_path());
    const char raw[] = "\x00\xff[Mai\x01n\nkey\x7f=\x80\x81\n[Other]\nKeep=this\n";
    const std::string rubbish(raw, sizeof raw - 1);
    std::ofstream(workspace.SettingsFile(), std::ios::binary) << rubbish;
    {
        Session session;
        session.Click(ctl::N1_RADIO(3));
        EXPECT_EQ(session.Vars().N1, 2);
    }
    const std::string after = ReadFile(workspace.SettingsFile());
    EXPECT_NE(after.find("Keep=this"), std::string::npos);
    EXPECT_NE(after.find("key\x7f=\x80\x81"), std::string::npos);
}

// Missing and damaged pictures leave their places empty; nothing else changes.
TEST(Pictures, MissingOrDamagedPicturesLeaveEmptyPlaces) {
    Workspace workspace;
    std::filesystem::remove(workspace.Folder() / "beadred.bmp");
    std::ofstream(workspace.Folder() / "beadblack.bmp", std::ios::binary) << "BM not a picture";
    Session session;
    session.Click(ctl::N1_RADIO(3));
    session.Click(ctl::N2_RADIO(2));
    EXPECT_EQ(session.Vars().SUMIT, 3);
    EXPECT_EQ(Shown(session.Window(), ctl::BEAD1), Expected(10, {{2, "beadblack.bmp"}}));
    EXPECT_EQ(Shown(session.Window(), ctl::BEAD3),
              Expected(20, {{2, "beadblack.bmp"}, {1, "beadred.bmp"}}));
    EXPECT_FALSE(session.Window().ShowsPicture(ctl::BEAD1(1)));
    EXPECT_FALSE(session.Window().ShowsPicture(ctl::BEAD2(1)));
    EXPECT_TRUE(session.Window().ShowsPicture(ctl::IMAGE1(1)));
    EXPECT_EQ(session.Sounds(), (std::vector<std::string>{"2.wav", "1.wav"}));
}

}  // namespace
}  // namespace abacor::testing
