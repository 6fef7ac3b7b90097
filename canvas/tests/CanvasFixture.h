#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "canvas/Draw.h"
#include "canvas/tests/FakeHost.h"

namespace canvas::testing {

// Draw with its internal operations reachable from tests.
class OpenDraw : public Draw {
public:
    using Draw::Draw;
    using Draw::Absolute;
    using Draw::Plot;
    using Draw::Swap;
};

// A canvas bound to a fake control, with reports shown (as message texts)
// rather than suppressed, so tests can see them.
class CanvasTest : public ::testing::Test {
protected:
    FakeHost host;
    OpenDraw canvas{host};

    void Bind(std::int32_t width, std::int32_t height) {
        host.SetSize(width, height);
        canvas.Init(16);
        canvas.SuppressErrors = 0;
    }
    void SetUp() override { Bind(10, 10); }

    std::string LastMessage() const { return host.messages.empty() ? std::string() : host.messages.back(); }
    std::vector<std::int32_t> Order() const {
        std::vector<std::int32_t> order;
        for (std::int32_t n : canvas.LayerOrder)
            if (n != 0) order.push_back(n);
        return order;
    }
    // Fills layer n with one colour, drawing through the public operations.
    void Paint(std::int32_t layer, std::int32_t colour) {
        const std::int32_t active = canvas.ActiveLayer;
        ASSERT_EQ(canvas.WithLayer(std::to_string(layer)), 1);
        canvas.Blank(colour);
        ASSERT_EQ(canvas.WithLayer(std::to_string(active)), 1);
    }
    // Colour of pixel (x, y) of the base image as Display composed it.
    std::int32_t BasePixel(std::int32_t x, std::int32_t y) const {
        const LayerRecord& base = canvas.BaseLayer;
        const std::size_t stride = 3 * static_cast<std::size_t>(base.Width) + base.ZeroPad;
        const std::size_t at = 54 + static_cast<std::size_t>(base.Height - y) * stride + 3 * static_cast<std::size_t>(x - 1);
        const auto& b = base.BitmapData;
        return (b[at] << 16) | (b[at + 1] << 8) | b[at + 2];
    }
};

}  // namespace canvas::testing
