#pragma once

#include <memory>

namespace frame {

// The desktop's user setting that shows a window's contents while it is
// dragged. The programs switch it off while they run, so dragging their
// window does not repaint it over and over.
class FullWindowDragging {
public:
    virtual ~FullWindowDragging() = default;
    virtual bool IsOn() const = 0;
    // Changes the setting for the user (saved and announced to other
    // programs where the desktop has such a setting).
    virtual void Set(bool on) = 0;
};

// Desktops without such a setting: it reads as off and is never changed.
class NoFullWindowDragging final : public FullWindowDragging {
public:
    bool IsOn() const override { return false; }
    void Set(bool) override {}
};

// The implementation for this desktop.
std::unique_ptr<FullWindowDragging> CreateFullWindowDragging();

// Switches the setting off for its lifetime if it was on, and back on at
// the end (also when the run is left early).
class FullWindowDraggingOff {
public:
    explicit FullWindowDraggingOff(FullWindowDragging& dragging);
    ~FullWindowDraggingOff();
    FullWindowDraggingOff(const FullWindowDraggingOff&) = delete;
    FullWindowDraggingOff& operator=(const FullWindowDraggingOff&) = delete;

    bool SwitchedOff() const { return switchedOff_; }

private:
    FullWindowDragging& dragging_;
    bool switchedOff_ = false;
};

}  // namespace frame
