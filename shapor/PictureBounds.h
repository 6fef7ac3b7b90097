#pragma once

#include <optional>
#include <string_view>

#include "runtime/Types.h"

namespace shapor {

// The part of a scene picture that shows: the box around its pixels that
// are not white (white is left out when the picture is drawn), relative to
// the picture's top-left pixel. nullopt when the file is missing, is not a
// picture, or is white all over.
std::optional<runtime::Rect> InkedBounds(std::string_view fileName);

}  // namespace shapor
