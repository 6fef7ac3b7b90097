#pragma once

// The opaque runs of keyed layers, found when a layer is copied a second
// time with the same pixels and kept until they change: a layer that stays
// as it is copies only its opaque bytes, with no compare; one drawn anew for
// every copy never pays for finding them. Private to the canvas.

#include <array>
#include <cstdint>

#include "canvas/Draw.h"
#include "canvas/KeyRuns.h"
#include "canvas/LayerClip.h"

namespace canvas::raster {

struct LayerRunsCache {
    // The runs of layer `number` for its key colour, or null when its pixels
    // changed since its last copy, or its runs are too short to be worth
    // copying one by one: then copy it pixel by pixel.
    const OpaqueRuns* For(std::int32_t number, const LayerRecord& layer);
    // The runs For would give now, when it has them already; null otherwise.
    // Unlike For it changes nothing, so a layer is not counted as copied.
    const OpaqueRuns* Found(std::int32_t number, const LayerRecord& layer) const;

private:
    enum class State { Unseen, Seen, Found, NotWorth };
    struct Entry {
        State state = State::Unseen;
        std::uint64_t writes = 0;
        const std::uint8_t* data = nullptr;
        std::size_t size = 0;
        std::int32_t width = 0, height = 0, key = 0;
        OpaqueRuns runs;
    };
    bool Same(const Entry& entry, const LayerRecord& layer) const;
    std::array<Entry, MaxLayers> entries_;
};

// Copies the runs' pixels of the rectangle from src to dst.
void CopyRuns(const View& src, const View& dst, const CopyRect& r, const OpaqueRuns& runs);

// What copying the rectangle from `under` to dst and then the runs' pixels
// of `over` (a view of the same size) on top gives, with each byte of dst
// written once: `under` fills the gaps between the runs.
void CopyUnderRuns(const ConstView& under, const ConstView& over, const View& dst, const CopyRect& r, const OpaqueRuns& runs);

}  // namespace canvas::raster
