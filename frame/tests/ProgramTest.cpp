#include <gtest/gtest.h>

#include "frame/Program.h"
#include "frame/WindowManager.h"
#include "frame/testing/RecordingFullWindowDragging.h"
#include "frame/tests/TempFolder.h"
#include "frame/tests/TestWindow.h"
#include "runtime/Runtime.h"
#include "runtime/backends/headless/Headless.h"

namespace frame {
namespace {

using namespace testing;
using Sets = std::vector<bool>;

class RunProgramTest : public ::testing::Test {
protected:
    std::filesystem::path File() const { return temp_.Path() / "korvanda" / "test.INI"; }

    TempFolder temp_;
    ScopedEnv xdg_{"XDG_CONFIG_HOME", temp_.Path().string()};
    runtime::Headless headless_ = runtime::CreateHeadlessRuntime();
    const ProgramInfo info_{"test", "test.INI"};
};

TEST_F(RunProgramTest, RunsMainBetweenTheSettingsAndTheDraggingSteps) {
    const std::string text = "[__Dont_Touch_Me__]\nSectors=1\nSectors_1=a,b,c\n";
    Given(File(), text);
    RecordingFullWindowDragging dragging(true);
    headless_.runtime->errors().Push("left over");
    bool ran = false;

    const int result = RunProgram(info_, *headless_.runtime, dragging, [&](Program& program) {
        ran = true;
        EXPECT_EQ(dragging.sets, Sets{false});
        EXPECT_EQ(program.Settings().Sectors(), (std::vector<Sector>{{"a", "b", "c"}}));
        EXPECT_EQ(program.GetRuntime().errors().Depth(), 0u);
        EXPECT_EQ(program.Info().settingsFile, "test.INI");
        program.GetRuntime().globalResponse = 4;
    });

    EXPECT_TRUE(ran);
    EXPECT_EQ(result, 4);
    EXPECT_EQ(dragging.sets, (Sets{false, true}));
    EXPECT_EQ(ReadFile(File()), text);
}

TEST_F(RunProgramTest, LeavesDraggingAloneWhenItIsOff) {
    RecordingFullWindowDragging dragging(false);
    EXPECT_EQ(RunProgram(info_, *headless_.runtime, dragging, [](Program&) {}), 0);
    EXPECT_TRUE(dragging.sets.empty());
    EXPECT_EQ(ReadFile(File()), "[__Dont_Touch_Me__]\nSectors=0\n");
}

// The whole life of a program with a window that the user closes at once.
class ClosingWindow final : public WindowManager {
public:
    using WindowManager::WindowManager;

protected:
    int AfterOpen() override {
        runtime::RequestClose(GetWindow());
        return Level::Benign;
    }
};

TEST_F(RunProgramTest, FirstRunOfAWindowWritesItsPlacementThenTheSectors) {
    RecordingFullWindowDragging dragging(true);
    runtime::Point at;
    const int result = RunProgram(info_, *headless_.runtime, dragging, [&](Program& program) {
        TestWindow test(program.GetRuntime());
        ClosingWindow thisWindow(program, test.window, TestWindow::Radio1);
        program.GetRuntime().globalResponse = thisWindow.Run();
        at = test.window.Position();
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(ReadFile(File()), "[Main]\nMaximize=No\nMinimize=No\nXPos=" + std::to_string(at.x) +
                                    "\nYPos=" + std::to_string(at.y) +
                                    "\n\n[__Dont_Touch_Me__]\nSectors=0\n");
}

}  // namespace
}  // namespace frame
