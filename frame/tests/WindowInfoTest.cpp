#include <gtest/gtest.h>

#include "frame/WindowInfo.h"
#include "frame/tests/FakeWindow.h"

namespace frame {
namespace {

using runtime::NotGiven;
using Calls = std::vector<std::string>;

struct ReadCase {
    const char* name;
    const char* section;  // body of [Main]
    WindowInfo expected;
};

WindowInfo Found(std::int32_t left, std::int32_t top, bool maximized = false,
                 bool minimized = false, std::int32_t width = NotGiven,
                 std::int32_t height = NotGiven) {
    return {left, top, width, height, maximized, minimized, true};
}

TEST(ReadWindowInfo, ReadsTheSection) {
    const ReadCase cases[] = {
        {"no section", nullptr, WindowInfo{}},
        {"no Maximize", "XPos=10\nYPos=20\n", WindowInfo{}},
        {"unusable Maximize", "Maximize=Maybe\nXPos=10\nYPos=20\n", WindowInfo{}},
        {"Maximize in other letters", "Maximize=yes\nXPos=10\nYPos=20\n", WindowInfo{}},
        {"normal", "Maximize=No\nMinimize=No\nXPos=10\nYPos=20\n", Found(10, 20)},
        {"maximized", "Maximize=Yes\nMinimize=No\n", Found(NotGiven, NotGiven, true)},
        {"minimized", "Maximize=No\nMinimize=Yes\n", Found(NotGiven, NotGiven, false, true)},
        {"Minimize other than Yes", "Maximize=No\nMinimize=yes\nXPos=1\nYPos=2\n", Found(1, 2)},
        {"negative and blank-padded", "Maximize=No\nXPos= -5 \nYPos=7\n", Found(-5, 7)},
        {"size", "Maximize=No\nXPos=1\nYPos=2\nWidth=300\nHeight=200\n",
         Found(1, 2, false, false, 300, 200)},
        {"not numbers", "Maximize=No\nXPos=abc\nYPos=12px\nWidth=\nHeight=0x10\n",
         Found(NotGiven, NotGiven)},
        {"out of range", "Maximize=No\nXPos=2147483648\nYPos=-2147483649\n",
         Found(NotGiven, NotGiven)},
        {"limits", "Maximize=No\nXPos=2147483647\nYPos=-2147483647\n",
         Found(2147483647, -2147483647)},
    };
    for (const ReadCase& c : cases) {
        const IniFile file = IniFile::Parse(c.section ? std::string("[Main]\n") + c.section : "");
        const WindowInfo info = ReadWindowInfo(file, "Main");
        const WindowInfo& e = c.expected;
        EXPECT_EQ(info.found, e.found) << c.name;
        EXPECT_EQ(info.maximized, e.maximized) << c.name;
        EXPECT_EQ(info.minimized, e.minimized) << c.name;
        EXPECT_EQ(info.left, e.left) << c.name;
        EXPECT_EQ(info.top, e.top) << c.name;
        EXPECT_EQ(info.width, e.width) << c.name;
        EXPECT_EQ(info.height, e.height) << c.name;
    }
}

struct ApplyCase {
    const char* name;
    WindowInfo info;
    bool maximizedBefore;
    bool resizable;
    Calls expected;
};

TEST(ApplyWindowInfo, AppliesInOrder) {
    const ApplyCase cases[] = {
        {"not found changes nothing", WindowInfo{5, 6, 7, 8, true, true, false}, true, true, {}},
        {"normal", Found(5, 6), false, false, {"SetPosition(5,6)", "SetMinimized(false)"}},
        {"maximized window restored first",
         Found(5, 6),
         true,
         false,
         {"SetMaximized(false)", "SetPosition(5,6)", "SetMinimized(false)"}},
        {"size only for a resizable window",
         Found(5, 6, false, false, 300, 200),
         false,
         false,
         {"SetPosition(5,6)", "SetMinimized(false)"}},
        {"resizable",
         Found(5, 6, false, false, 300, NotGiven),
         false,
         true,
         {"SetPosition(5,6)", "SetWidth(300)", "SetMinimized(false)"}},
        {"maximize",
         Found(NotGiven, NotGiven, true),
         false,
         false,
         {"SetPosition(-,-)", "SetMaximized(true)", "SetMinimized(false)"}},
        {"already maximized",
         Found(NotGiven, NotGiven, true),
         true,
         false,
         {"SetPosition(-,-)", "SetMinimized(false)"}},
        {"minimize",
         Found(NotGiven, NotGiven, false, true),
         false,
         false,
         {"SetPosition(-,-)", "SetMinimized(true)"}},
    };
    for (const ApplyCase& c : cases) {
        testing::FakeWindow window;
        window.maximized = c.maximizedBefore;
        window.resizable = c.resizable;
        ApplyWindowInfo(c.info, window);
        EXPECT_EQ(window.calls, c.expected) << c.name;
    }
}

TEST(CaptureWindowInfo, KeepsPositionOnlyForANormalWindow) {
    struct Case {
        const char* name;
        bool maximized, minimized, resizable;
        WindowInfo expected;
    };
    const Case cases[] = {
        {"normal", false, false, false, Found(10, 20)},
        {"resizable", false, false, true, Found(10, 20, false, false, 300, 200)},
        {"maximized", true, false, true, Found(NotGiven, NotGiven, true)},
        {"minimized", false, true, true, Found(NotGiven, NotGiven, false, true)},
    };
    for (const Case& c : cases) {
        testing::FakeWindow window;
        window.maximized = c.maximized;
        window.minimized = c.minimized;
        window.resizable = c.resizable;
        const WindowInfo info = CaptureWindowInfo(window);
        EXPECT_EQ(info.maximized, c.expected.maximized) << c.name;
        EXPECT_EQ(info.minimized, c.expected.minimized) << c.name;
        EXPECT_EQ(info.left, c.expected.left) << c.name;
        EXPECT_EQ(info.top, c.expected.top) << c.name;
        EXPECT_EQ(info.width, c.expected.width) << c.name;
        EXPECT_EQ(info.height, c.expected.height) << c.name;
    }
}

TEST(WriteWindowInfo, WritesTheFlagsAndRemovesWhatIsNotGiven) {
    IniFile file =
        IniFile::Parse("[Main]\n; by hand\nXPos=1\nYPos=2\nWidth=500\nHeight=400\nOwn=kept\n");
    WriteWindowInfo(file, "Main", Found(NotGiven, NotGiven, true));
    EXPECT_EQ(file.Serialize(), "[Main]\n; by hand\nOwn=kept\nMaximize=Yes\nMinimize=No\n");
    WriteWindowInfo(file, "Main", Found(-3, 4));
    EXPECT_EQ(file.Serialize(),
              "[Main]\n; by hand\nOwn=kept\nMaximize=No\nMinimize=No\nXPos=-3\nYPos=4\n");
}

}  // namespace
}  // namespace frame
