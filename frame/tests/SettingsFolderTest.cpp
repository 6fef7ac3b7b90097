#include <gtest/gtest.h>

#include "frame/SettingsFolder.h"
#include "frame/tests/TempFolder.h"

namespace frame {
namespace {

namespace fs = std::filesystem;
using testing::ScopedEnv;
using testing::TempFolder;

TEST(SettingsFolderFor, FollowsTheDesktopRules) {
    struct Case {
        const char* xdg;
        const char* home;
        std::optional<fs::path> expected;
    };
    const Case cases[] = {
        {"/cfg", "/home/ann", fs::path("/cfg/korvanda")},
        {nullptr, "/home/ann", fs::path("/home/ann/.config/korvanda")},
        {"", "/home/ann", fs::path("/home/ann/.config/korvanda")},
        {"relative/cfg", "/home/ann", fs::path("/home/ann/.config/korvanda")},
        {"/cfg", nullptr, fs::path("/cfg/korvanda")},
        {nullptr, nullptr, std::nullopt},
        {nullptr, "relative", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SettingsFolderFor(c.xdg, c.home), c.expected)
            << (c.xdg ? c.xdg : "(unset)") << " " << (c.home ? c.home : "(unset)");
}

TEST(EnsureSettingsFolder, CreatesTheFolderWhenMissing) {
    TempFolder temp;
    const ScopedEnv xdg("XDG_CONFIG_HOME", (temp.Path() / "deep" / "config").string());
    std::string error;
    const auto folder = EnsureSettingsFolder(error);
    ASSERT_TRUE(folder) << error;
    EXPECT_EQ(*folder, temp.Path() / "deep" / "config" / "korvanda");
    EXPECT_TRUE(fs::is_directory(*folder));
}

TEST(EnsureSettingsFolder, SaysWhyWhenTheFolderCannotBeMade) {
    TempFolder temp;
    testing::WriteFile(temp.Path() / "file", "not a folder");
    const ScopedEnv xdg("XDG_CONFIG_HOME", (temp.Path() / "file").string());
    std::string error;
    EXPECT_FALSE(EnsureSettingsFolder(error));
    EXPECT_NE(error.find("korvanda"), std::string::npos);
}

}  // namespace
}  // namespace frame
