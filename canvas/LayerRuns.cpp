#include "canvas/LayerRuns.h"

#include <algorithm>
#include <cstring>

#include "canvas/Raster.h"

namespace canvas::raster {

namespace {

// Runs shorter than this on average cost more one by one than the compare.
constexpr std::size_t MinAverageRun = 16;

}  // namespace

bool LayerRunsCache::Same(const Entry& entry, const LayerRecord& layer) const {
    return entry.state != State::Unseen && entry.writes == layer.Writes && entry.data == layer.BitmapData.data() &&
           entry.size == layer.BitmapData.size() && entry.width == layer.Width && entry.height == layer.Height &&
           entry.key == (layer.IndexColor & 0xFFFFFF);
}

const OpaqueRuns* LayerRunsCache::Found(std::int32_t number, const LayerRecord& layer) const {
    if (number < 1 || number > MaxLayers) return nullptr;
    const Entry& entry = entries_[static_cast<std::size_t>(number - 1)];
    return entry.state == State::Found && Same(entry, layer) ? &entry.runs : nullptr;
}

const OpaqueRuns* LayerRunsCache::For(std::int32_t number, const LayerRecord& layer) {
    if (number < 1 || number > MaxLayers) return nullptr;
    Entry& entry = entries_[static_cast<std::size_t>(number - 1)];
    const std::int32_t key = layer.IndexColor & 0xFFFFFF;
    if (!Same(entry, layer)) {
        entry.state = State::Seen;
        entry.writes = layer.Writes;
        entry.data = layer.BitmapData.data();
        entry.size = layer.BitmapData.size();
        entry.width = layer.Width;
        entry.height = layer.Height;
        entry.key = key;
        entry.runs = {};
        return nullptr;
    }
    if (entry.state == State::Seen) {
        const ConstView view = Of(layer);
        entry.runs = FindOpaqueRuns(view.StoredRow(0), view.RowStride(), view.Width(), view.Height(), KeyColour(key));
        const std::size_t pixels = static_cast<std::size_t>(view.Width()) * static_cast<std::size_t>(view.Height());
        if (entry.runs.runs.size() * MinAverageRun <= pixels) {
            entry.state = State::Found;
        } else {
            entry.state = State::NotWorth;
            entry.runs = {};
        }
    }
    return entry.state == State::Found ? &entry.runs : nullptr;
}

void CopyRuns(const View& src, const View& dst, const CopyRect& r, const OpaqueRuns& runs) {
    const std::int32_t firstColumn = r.sx - 1, endColumn = r.sx - 1 + r.width;
    // Everything the loop reads but the pixels, in locals: the pixel stores
    // could alias any memory, so fields would be read again on every row.
    const OpaqueRuns::Run* run = runs.runs.data();
    const std::uint32_t* rowStart = runs.rowStart.data();
    const std::size_t rowStarts = runs.rowStart.size();
    const View from0 = src, to0 = dst;
    for (std::int32_t row = 0; row < r.height; ++row) {
        const auto stored = static_cast<std::size_t>(from0.Height() - (r.sy + row));
        if (stored + 1 >= rowStarts) continue;
        const std::uint8_t* from = from0.StoredRow(static_cast<std::int32_t>(stored));
        std::uint8_t* to = to0.Pixel(r.dx, r.dy + row);
        for (std::uint32_t k = rowStart[stored], end = rowStart[stored + 1]; k < end; ++k) {
            const std::int32_t first = std::max(run[k].first, firstColumn);
            const std::int32_t last = std::min(run[k].first + run[k].count, endColumn);
            if (first < last)
                CopyRun(to + BytesPerPixel * static_cast<std::size_t>(first - firstColumn),
                        from + BytesPerPixel * static_cast<std::size_t>(first),
                        BytesPerPixel * static_cast<std::size_t>(last - first));
        }
    }
}

void CopyUnderRuns(const ConstView& under, const ConstView& over, const View& dst, const CopyRect& r, const OpaqueRuns& runs) {
    const std::int32_t firstColumn = r.sx - 1, endColumn = r.sx - 1 + r.width;
    // Everything the loop reads but the pixels, in locals, as in CopyRuns.
    const OpaqueRuns::Run* run = runs.runs.data();
    const std::uint32_t* rowStart = runs.rowStart.data();
    const std::size_t rowStarts = runs.rowStart.size();
    const ConstView below = under, above = over;
    const View to0 = dst;
    for (std::int32_t row = 0; row < r.height; ++row) {
        const auto stored = static_cast<std::size_t>(below.Height() - (r.sy + row));
        const std::uint8_t* fromBelow = below.StoredRow(static_cast<std::int32_t>(stored));
        const std::uint8_t* fromAbove = above.StoredRow(static_cast<std::int32_t>(stored));
        std::uint8_t* to = to0.Pixel(r.dx, r.dy + row);
        // Columns [from, end) of one of the two layers.
        const auto copy = [&](const std::uint8_t* source, std::int32_t from, std::int32_t end) {
            CopyRun(to + BytesPerPixel * static_cast<std::size_t>(from - firstColumn),
                    source + BytesPerPixel * static_cast<std::size_t>(from), BytesPerPixel * static_cast<std::size_t>(end - from));
        };
        std::int32_t done = firstColumn;
        if (stored + 1 < rowStarts) {
            for (std::uint32_t k = rowStart[stored], end = rowStart[stored + 1]; k < end; ++k) {
                const std::int32_t first = std::max(run[k].first, firstColumn);
                const std::int32_t last = std::min(run[k].first + run[k].count, endColumn);
                if (first >= last) continue;
                if (done < first) copy(fromBelow, done, first);
                copy(fromAbove, first, last);
                done = last;
            }
        }
        if (done < endColumn) copy(fromBelow, done, endColumn);
    }
}

}  // namespace canvas::raster
