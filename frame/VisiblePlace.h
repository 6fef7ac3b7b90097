#pragma once

#include <span>

#include "runtime/Types.h"

namespace frame {

// Where a window may open so that the child can see it and the parent can
// grab its caption, whatever screens are attached now. `outline` is what
// the window covers relative to its position (its part above the position
// is the caption); all values in one unit.

// Most of the window is seen at `position`: three quarters of its outline
// and three quarters of its caption lie on the screens.
bool MostlyVisible(runtime::Point position, runtime::Rect outline,
                   std::span<const runtime::Rect> screens);

// The place nearest to `position` at which the whole outline lies on one
// screen; on a screen smaller than the window, its top left corner.
// `position` itself when there are no screens.
runtime::Point NearestWholePlace(runtime::Point position, runtime::Rect outline,
                                 std::span<const runtime::Rect> screens);

// `position` when the window is mostly visible there (or nothing is known
// of the screens), else the nearest place where it is wholly visible.
runtime::Point VisiblePlace(runtime::Point position, runtime::Rect outline,
                            std::span<const runtime::Rect> screens);

}  // namespace frame
