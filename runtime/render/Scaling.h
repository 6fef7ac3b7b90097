#pragma once

#include "runtime/Image.h"

namespace runtime::render {

// The picture resampled to width x height with bilinear filtering (alpha
// included), so scaled pictures stay smooth.
Image ScaleBilinear(const Image& src, int width, int height);

}  // namespace runtime::render
