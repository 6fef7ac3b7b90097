#include <gtest/gtest.h>

#include "canvas/Draw.h"
#include "canvas/tests/FakeHost.h"

namespace canvas {
namespace {

TEST(CoreTest, InitSizesTheCanvasFromTheControl) {
    testing::FakeHost host;
    Draw canvas(host);
    canvas.Init(16);
    EXPECT_EQ(canvas.Width, 10);
    EXPECT_EQ(canvas.BufferSize, 375u);
}

}  // namespace
}  // namespace canvas
