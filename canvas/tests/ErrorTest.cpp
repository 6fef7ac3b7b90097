#include <gtest/gtest.h>

#include "canvas/tests/CanvasFixture.h"

namespace canvas {
namespace {

using testing::CanvasTest;

// Where a report goes, by SuppressErrors and Logging.
struct ChannelCase {
    std::uint8_t suppress;
    std::int32_t logging;
    std::size_t messages, debugLines;
};

class ErrorChannelTest : public CanvasTest, public ::testing::WithParamInterface<ChannelCase> {};

TEST_P(ErrorChannelTest, ReportsGoToTheMessageBoxTheDebuggerOrNowhere) {
    const ChannelCase c = GetParam();
    canvas.SuppressErrors = c.suppress;
    canvas.Logging = c.logging;
    canvas.ErrorTrap("Something failed   ", "Init  ");
    EXPECT_EQ(host.messages.size(), c.messages);
    EXPECT_EQ(host.debugLines.size(), c.debugLines);
    if (c.messages) {
        EXPECT_EQ(host.messages[0], "An error occured in Init, error: Something failed");
    }
    if (c.debugLines) {
        EXPECT_EQ(host.debugLines[0], "[Draw] An error occured in Init, error: Something failed\r\n");
    }
}

INSTANTIATE_TEST_SUITE_P(Settings, ErrorChannelTest,
                         ::testing::Values(ChannelCase{1, 0, 0, 0}, ChannelCase{1, 1, 0, 0}, ChannelCase{0, 0, 1, 0},
                                           ChannelCase{0, 1, 0, 1}));

TEST_F(CanvasTest, LogWritesOnlyWhileLogging) {
    canvas.Log("quiet", 3);
    EXPECT_TRUE(host.debugLines.empty());
    canvas.Logging = 1;
    canvas.Log("hello  ", 3);
    ASSERT_EQ(host.debugLines.size(), 1u);
    EXPECT_EQ(host.debugLines[0], "[Draw] hello\r\n");
}

TEST_F(CanvasTest, AFailingOperationReportsItsNameAndText) {
    canvas.Logging = 1;
    canvas.WithLayer("7");
    ASSERT_EQ(host.debugLines.size(), 1u);
    EXPECT_EQ(host.debugLines[0],
              "[Draw] An error occured in WithLayer(), error: Invalid layer. Layers must be initialised by calling "
              "InitLayer() before being drawn to.\r\n");
    EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace canvas
