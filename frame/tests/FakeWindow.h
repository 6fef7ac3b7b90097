#pragma once

#include <string>
#include <vector>

#include "frame/PlacedWindow.h"

namespace frame::testing {

// A window as a plain record that logs every change made to it.
class FakeWindow final : public PlacedWindow {
public:
    runtime::Point position{10, 20};
    runtime::Size size{300, 200};
    bool maximized = false;
    bool minimized = false;
    bool resizable = false;
    // One large screen and no caption: every place the tests use is on it.
    std::vector<runtime::Rect> screens = std::vector(1, runtime::Rect{-5000, -5000, 10000, 10000});
    int caption = 0;
    std::vector<std::string> calls;

    runtime::Point Position() const override { return position; }
    void SetPosition(runtime::Point p) override {
        calls.push_back("SetPosition(" + Text(p.x) + "," + Text(p.y) + ")");
        if (p.x != runtime::NotGiven) position.x = p.x;
        if (p.y != runtime::NotGiven) position.y = p.y;
    }
    runtime::Size Size() const override { return size; }
    void SetWidth(int w) override {
        calls.push_back("SetWidth(" + Text(w) + ")");
        size.width = w;
    }
    void SetHeight(int h) override {
        calls.push_back("SetHeight(" + Text(h) + ")");
        size.height = h;
    }
    bool IsMaximized() const override { return maximized; }
    void SetMaximized(bool on) override {
        calls.push_back(std::string("SetMaximized(") + (on ? "true" : "false") + ")");
        maximized = on;
    }
    bool IsMinimized() const override { return minimized; }
    void SetMinimized(bool on) override {
        calls.push_back(std::string("SetMinimized(") + (on ? "true" : "false") + ")");
        minimized = on;
    }
    bool IsResizable() const override { return resizable; }
    std::vector<runtime::Rect> Screens() const override { return screens; }
    runtime::Rect Outline() const override {
        return {0, -caption, size.width, size.height + caption};
    }

private:
    static std::string Text(int v) { return v == runtime::NotGiven ? "-" : std::to_string(v); }
};

}  // namespace frame::testing
