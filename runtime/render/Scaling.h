#pragma once

#include "runtime/Image.h"
#include "runtime/Types.h"

namespace runtime::render {

// The picture resampled to width x height with bilinear filtering (alpha
// included), so scaled pictures stay smooth.
Image ScaleBilinear(const Image& src, int width, int height);
// Only `part` of that picture (its pixels at width x height), so a large
// picture shown in a small control costs no more than the control.
Image ScaleBilinear(const Image& src, int width, int height, const Rect& part);

}  // namespace runtime::render
