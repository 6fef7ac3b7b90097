#include "frame/FullWindowDragging.h"

namespace frame {

// Linux desktops have no such user setting to adjust.
std::unique_ptr<FullWindowDragging> CreateFullWindowDragging() {
    return std::make_unique<NoFullWindowDragging>();
}

FullWindowDraggingOff::FullWindowDraggingOff(FullWindowDragging& dragging) : dragging_(dragging) {
    if (dragging_.IsOn()) {
        dragging_.Set(false);
        switchedOff_ = true;
    }
}

FullWindowDraggingOff::~FullWindowDraggingOff() {
    if (switchedOff_) dragging_.Set(true);
}

}  // namespace frame
