#pragma once

#include "frame/PlacedWindow.h"

namespace runtime {
class Window;
}

namespace frame {

// A runtime::Window seen as a PlacedWindow. The runtime's windows have a
// fixed frame, so their size is reported (client size in dialog units) but
// never changed.
class RuntimeWindowPlacement final : public PlacedWindow {
public:
    explicit RuntimeWindowPlacement(runtime::Window& window) : window_(window) {}

    runtime::Point Position() const override;
    void SetPosition(runtime::Point dialogUnits) override;
    runtime::Size Size() const override;
    void SetWidth(int) override {}
    void SetHeight(int) override {}
    bool IsMaximized() const override;
    void SetMaximized(bool maximized) override;
    bool IsMinimized() const override;
    void SetMinimized(bool minimized) override;
    bool IsResizable() const override;
    std::vector<runtime::Rect> Screens() const override;
    runtime::Rect Outline() const override;

private:
    runtime::Window& window_;
};

}  // namespace frame
