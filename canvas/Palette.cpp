#include "canvas/Palette.h"

#include <limits>

namespace canvas::raster {

std::uint8_t Palette::IndexOf(std::uint32_t colour) {
    std::size_t slot = Hash(colour);
    while (slots_[slot] != Empty) {
        if (slots_[slot] == colour) return indices_[slot];
        slot = (slot + 1) & (SlotCount - 1);
    }
    std::uint8_t index = 0;
    if (size_ < MaxColours) {
        index = static_cast<std::uint8_t>(size_);
        colours_[size_++] = colour;
    } else {
        index = Nearest(colour);
    }
    // Keep the table at most three quarters full so that probes stay short;
    // past that, further overflow colours are matched afresh every time.
    if (used_ < SlotCount * 3 / 4) {
        slots_[slot] = colour;
        indices_[slot] = index;
        ++used_;
    }
    return index;
}

std::uint8_t Palette::Nearest(std::uint32_t colour) const {
    auto channel = [](std::uint32_t c, int shift) { return static_cast<int>((c >> shift) & 0xFF); };
    std::size_t best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (std::size_t i = 0; i < size_; ++i) {
        int distance = 0;
        for (int shift = 0; shift <= 16; shift += 8) {
            const int d = channel(colour, shift) - channel(colours_[i], shift);
            distance += d * d;
        }
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return static_cast<std::uint8_t>(best);
}

}  // namespace canvas::raster
