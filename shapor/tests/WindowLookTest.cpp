#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "frame/testing/RecordingFullWindowDragging.h"
#include "runtime/backends/headless/DrawnRadios.h"
#include "shapor/Controls.h"
#include "shapor/testing/Trainer.h"

namespace shapor {
namespace {

using Faults = std::vector<std::string>;
using runtime::ControlId;
namespace Key = runtime::Key;

class WindowLook : public ::testing::TestWithParam<double> {
protected:
    testing::Trainer trainer{1, GetParam()};
    runtime::Window& window = trainer.main.window;

    void ExpectGridsWhole(const char* when) {
        SCOPED_TRACE(when);
        EXPECT_EQ(runtime::RadioGridFaults(window, ctl::N1), Faults{});
        EXPECT_EQ(runtime::RadioGridFaults(window, ctl::N2), Faults{});
    }
};

// N1:RADIO5 and N2:RADIO2..11 are of default size; rows 2 and 3 of the
// first grid overlap by the window's own places.
TEST_P(WindowLook, GridButtonsFitTheirPitchAndTheChosenFrameIsWhole) {
    ExpectGridsWhole("at the start");
    trainer.Click(ctl::N1_RADIO.ForNumber(4));
    trainer.Click(ctl::N2_RADIO.ForNumber(5));
    ExpectGridsWhole("4 and 5 chosen");
    trainer.Click(ctl::OPERATOR_RADIO2);
    trainer.Click(ctl::N1_RADIO.ForNumber(5));
    trainer.Click(ctl::N2_RADIO.ForNumber(10));
    ExpectGridsWhole("5 - 10 chosen");
}

// The ink of the result stays inside SUMIT's box, whole: three separate
// marks for "-", "1" and "0", none touching the box's edges.
TEST_P(WindowLook, MinusTenIsShownWhole) {
    trainer.Click(ctl::OPERATOR_RADIO2);
    trainer.Click(ctl::N2_RADIO.ForNumber(10));
    ASSERT_EQ(trainer.main.v.SUMIT, -10);
    const runtime::Image& frame = window.Frame();
    const runtime::Rect box = window.FrameRect(ctl::SUMIT);
    const std::uint32_t ground = frame.At(box.x, box.y);
    std::vector<bool> inkColumns(static_cast<std::size_t>(box.width));
    for (int y = box.y; y < box.y + box.height; ++y)
        for (int x = box.x; x < box.x + box.width; ++x)
            if (frame.At(x, y) != ground) inkColumns[static_cast<std::size_t>(x - box.x)] = true;
    EXPECT_FALSE(inkColumns.front());
    EXPECT_FALSE(inkColumns.back());
    int marks = 0;
    for (std::size_t x = 0; x < inkColumns.size(); ++x)
        marks += inkColumns[x] && (x == 0 || !inkColumns[x - 1]);
    EXPECT_EQ(marks, 3);
}

INSTANTIATE_TEST_SUITE_P(Scales, WindowLook, ::testing::Values(1.0, 2.0), [](const auto& info) {
    return "x" + std::to_string(static_cast<int>(info.param));
});

// Arrow keys in the 4-column grid go by row and column and stop at the edge.
TEST(WindowKeys, ArrowsMoveByRowAndColumn) {
    testing::Trainer trainer;
    struct Step {
        int key;
        int number;  // chosen afterwards
    } const steps[] = {
        {Key::Down, 4},   {Key::Down, 8}, {Key::Down, 8},  {Key::Right, 9}, {Key::Right, 10},
        {Key::Right, 10}, {Key::Up, 6},   {Key::Right, 7}, {Key::Down, 7},  {Key::Up, 3},
        {Key::Up, 3},     {Key::Left, 2}, {Key::Left, 1},  {Key::Left, 0},  {Key::Left, 0},
    };
    for (const Step& s : steps) {
        runtime::PressKey(trainer.main.window, s.key);
        trainer.main.thisWindow.Pump();
        EXPECT_EQ(trainer.main.v.N1, s.number) << "key " << s.key;
        EXPECT_EQ(trainer.main.window.Focus(), ctl::N1_RADIO.ForNumber(s.number));
    }
}

// Alt+F opens File; its underlined x ends the program, which saves its place.
TEST(WindowKeys, AltFThenXEndsTheProgramWithItsSettingsSaved) {
    testing::SceneFolder scenes;
    const std::filesystem::path config =
        std::filesystem::temp_directory_path() / "shapor-keys-test";
    std::filesystem::remove_all(config);
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    runtime::Headless headless = runtime::CreateHeadlessRuntime();
    frame::testing::RecordingFullWindowDragging dragging;
    const auto key = [&](int code, bool alt) {
        runtime::InputEvent press{runtime::InputEvent::Type::KeyDown, {}, code, false};
        press.alt = alt;
        headless.platform->Inject(press);
    };
    bool menuOpened = false, ended = false;
    std::size_t leftOver = 0;
    frame::RunProgram(
        {"shapor", "shapor.INI"}, *headless.runtime, dragging, [&](frame::Program& program) {
            MainProcedure main(program);
            main.thisWindow.Start();
            main.thisWindow.Pump();
            key(Key::Alt, false);
            key('f', true);
            main.thisWindow.Pump();
            const runtime::Rect exit = main.window.ControlRect(ctl::EXIT);
            menuOpened = main.window.ControlAt(
                             {exit.x + exit.width / 2, exit.y + exit.height / 2}) == ctl::EXIT;
            key('x', false);
            key(Key::F10, false);  // left over: the window has closed before it
            main.thisWindow.Pump();
            ended = main.thisWindow.Done();
            leftOver = headless.platform->PendingInput();
            main.thisWindow.Finish();
        });
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_TRUE(menuOpened);
    EXPECT_TRUE(ended);
    EXPECT_EQ(leftOver, 1u);
    std::ifstream ini(config / "korvanda" / "shapor.INI");
    std::stringstream text;
    text << ini.rdbuf();
    EXPECT_NE(text.str().find("XPos="), std::string::npos) << text.str();
    std::filesystem::remove_all(config);
}

}  // namespace
}  // namespace shapor
