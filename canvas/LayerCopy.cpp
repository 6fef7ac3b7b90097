// Copying and blending a rectangle of one layer onto another layer or the
// base image.
#include <algorithm>
#include <cstring>

#include "canvas/Draw.h"
#include "canvas/KeyRuns.h"
#include "canvas/LayerClip.h"
#include "canvas/LayerRuns.h"
#include "canvas/Raster.h"

namespace canvas {

namespace {

void CopyBlocks(const raster::View& src, const raster::View& dst, const raster::CopyRect& r) {
    const std::size_t bytes = raster::BytesPerPixel * static_cast<std::size_t>(r.width);
    for (std::int32_t row = 0; row < r.height; ++row)
        std::memcpy(dst.Pixel(r.dx, r.dy + row), src.Pixel(r.sx, r.sy + row), bytes);
}

// Leaves out the pixels of the key colour.
void CopyKeyed(const raster::View& src, const raster::View& dst, const raster::CopyRect& r, std::int32_t key) {
    const raster::KeyColour colour(key);
    for (std::int32_t row = 0; row < r.height; ++row)
        colour.CopyUnkeyed(src.Pixel(r.sx, r.sy + row), dst.Pixel(r.dx, r.dy + row), static_cast<std::size_t>(r.width));
}

}  // namespace

std::int32_t Draw::CopyLayer(std::int32_t SRC, std::int32_t SRCX, std::int32_t SRCY, std::int32_t SRCWIDTH,
                             std::int32_t SRCHEIGHT, std::int32_t DEST, std::int32_t DESTX, std::int32_t DESTY) {
    auto inRange = [](std::int32_t n) { return n >= 1 && n <= MaxLayers; };
    if (!inRange(SRC) || (DEST != 0 && !inRange(DEST))) {
        ErrorTrap("Invalid layer Number.", "CopyLayer");
        return 0;
    }
    LayerRecord& source = Layers[static_cast<std::size_t>(SRC - 1)];
    LayerRecord& destination = DEST == 0 ? BaseLayer : Layers[static_cast<std::size_t>(DEST - 1)];
    if (!source.Init || !destination.Init) {
        ErrorTrap("Source or destination layer has not been intialised.", "CopyLayer");
        return 0;
    }
    if (SRC == DEST) {
        ErrorTrap("Cannot copy a layer into itself.", "CopyLayer");
        return 0;
    }

    const raster::View src = raster::Of(source);
    const raster::View dst = raster::Of(destination);
    const auto r = raster::ClipCopy(src, dst, SRCX, SRCY, SRCWIDTH, SRCHEIGHT, DESTX, DESTY);
    if (!r) return 1;
    ++destination.Writes;

    if ((source.DisplayMode & ModeAlpha) && source.Alpha != nullptr) {
        // AlphaCopy takes the destination row as the stored row of the
        // rectangle's bottom, counted from 1 at the bottom of the buffer.
        return AlphaCopy(SRC, r->sx, r->sy, r->width, r->height, DEST, r->dx, dst.Height() - r->dy - r->height + 2);
    }
    if (source.DisplayMode & ModeIndex) {
        // A layer copied again unchanged moves only its opaque runs.
        if (!layerRuns_) layerRuns_ = std::make_unique<raster::LayerRunsCache>();
        if (const raster::OpaqueRuns* runs = layerRuns_->For(SRC, source))
            raster::CopyRuns(src, dst, *r, *runs);
        else
            CopyKeyed(src, dst, *r, source.IndexColor);
    } else {
        CopyBlocks(src, dst, *r);
    }
    return 1;
}

std::int32_t Draw::AlphaCopy(std::int32_t SRC, std::int32_t SRCX, std::int32_t SRCY, std::int32_t SRCWIDTH,
                             std::int32_t SRCHEIGHT, std::int32_t DEST, std::int32_t DESTX, std::int32_t DESTY) {
    if (SRC < 1 || SRC > MaxLayers || DEST < 0 || DEST > MaxLayers || SRC == DEST) return 1;
    LayerRecord& source = Layers[static_cast<std::size_t>(SRC - 1)];
    LayerRecord& destination = DEST == 0 ? BaseLayer : Layers[static_cast<std::size_t>(DEST - 1)];
    if (!source.Init || !destination.Init || source.Alpha == nullptr) return 1;

    const raster::View src = raster::Of(source);
    const raster::View dst = raster::Of(destination);
    const std::int64_t top = static_cast<std::int64_t>(dst.Height()) - DESTY - SRCHEIGHT + 2;
    // Clipping again is free for CopyLayer's values and keeps a derived
    // caller's values inside both buffers.
    const auto r = raster::ClipCopy(src, dst, SRCX, SRCY, SRCWIDTH, SRCHEIGHT, DESTX, top);
    if (!r) return 1;
    ++destination.Writes;

    const Bytes& alpha = *source.Alpha;
    const std::size_t channel = source.AlphaChannel == ChannelRed ? 2 : source.AlphaChannel == ChannelGreen ? 1 : 0;
    const bool keyed = (source.DisplayMode & ModeIndex) != 0;
    const raster::KeyColour key(source.IndexColor);
    const std::uint8_t* srcBase = source.BitmapData.data();

    for (std::int32_t row = 0; row < r->height; ++row) {
        const std::uint8_t* from = src.Pixel(r->sx, r->sy + row);
        std::uint8_t* to = dst.Pixel(r->dx, r->dy + row);
        // The alpha value sits at the source pixel's offset in the alpha
        // layer's buffer; past its end the pixel counts as opaque.
        const auto offset = static_cast<std::size_t>(from - srcBase);
        for (std::int32_t x = 0; x < r->width; ++x, from += 3, to += 3) {
            if (keyed && key.Matches(from)) continue;
            const std::size_t at = offset + 3 * static_cast<std::size_t>(x);
            const unsigned a = at + 3 <= alpha.size() ? alpha[at + channel] : 0;
            if (a == 255) continue;
            if (a == 0) {
                std::memcpy(to, from, 3);
                continue;
            }
            // Rounded to the nearest integer.
            for (int b = 0; b < 3; ++b) to[b] = static_cast<std::uint8_t>((from[b] * (255 - a) + to[b] * a + 127) / 255);
        }
    }
    return 1;
}

}  // namespace canvas
