#pragma once

#include <vector>

#include "runtime/Types.h"

namespace frame {

// What the settings manager reads and changes of a window to remember its
// place: positions and sizes in dialog units. RuntimeWindowPlacement adapts
// runtime::Window; tests can use a plain record.
class PlacedWindow {
public:
    virtual ~PlacedWindow() = default;

    virtual runtime::Point Position() const = 0;
    // A coordinate of runtime::NotGiven keeps the window's current one.
    virtual void SetPosition(runtime::Point dialogUnits) = 0;
    virtual runtime::Size Size() const = 0;
    virtual void SetWidth(int dialogUnits) = 0;
    virtual void SetHeight(int dialogUnits) = 0;
    virtual bool IsMaximized() const = 0;
    virtual void SetMaximized(bool maximized) = 0;
    virtual bool IsMinimized() const = 0;
    virtual void SetMinimized(bool minimized) = 0;
    // Whether the user can resize the window; only then is its size kept.
    virtual bool IsResizable() const = 0;
    // The usable area of every screen now attached.
    virtual std::vector<runtime::Rect> Screens() const = 0;
    // What the window covers on the desktop relative to Position(), the
    // desktop's borders included; the part above the position is the caption.
    virtual runtime::Rect Outline() const = 0;
};

}  // namespace frame
