#include "canvas/KeyRuns.h"

namespace canvas::raster {

OpaqueRuns FindOpaqueRuns(const std::uint8_t* first, std::size_t stride, std::int32_t width, std::int32_t rows,
                          const KeyColour& key) {
    OpaqueRuns found;
    if (rows <= 0 || width <= 0) {
        found.rowStart.assign(static_cast<std::size_t>(rows > 0 ? rows : 0) + 1, 0);
        return found;
    }
    found.rowStart.reserve(static_cast<std::size_t>(rows) + 1);
    for (std::int32_t r = 0; r < rows; ++r) {
        found.rowStart.push_back(static_cast<std::uint32_t>(found.runs.size()));
        const std::uint8_t* row = first + static_cast<std::size_t>(r) * stride;
        std::int32_t start = -1;  // first column of the open run
        auto pixel = [&](std::int32_t i, bool keyed) {
            if (keyed && start >= 0) {
                found.runs.push_back({start, i - start});
                start = -1;
            } else if (!keyed && start < 0) {
                start = i;
            }
        };
        std::int32_t i = 0;
        // Whole blocks of one kind change the open run at most once.
        for (; i + 16 <= width; i += 16) {
            switch (key.Classify16(row + 3 * static_cast<std::size_t>(i))) {
            case KeyColour::Block::Opaque:
                pixel(i, false);
                break;
            case KeyColour::Block::Keyed:
                pixel(i, true);
                break;
            case KeyColour::Block::Mixed:
                for (std::int32_t k = i; k < i + 16; ++k) pixel(k, key.Matches(row + 3 * static_cast<std::size_t>(k)));
                break;
            }
        }
        for (; i < width; ++i) pixel(i, key.Matches(row + 3 * static_cast<std::size_t>(i)));
        if (start >= 0) found.runs.push_back({start, width - start});
    }
    found.rowStart.push_back(static_cast<std::uint32_t>(found.runs.size()));
    return found;
}

}  // namespace canvas::raster
