#pragma once

// The colour list of the 8-bit conversion: up to 256 distinct colours in the
// order they first occur, each found again through a small hash table.

#include <array>
#include <cstddef>
#include <cstdint>

namespace canvas::raster {

class Palette {
public:
    static constexpr std::size_t MaxColours = 256;

    Palette() { slots_.fill(Empty); }

    // Palette index of a pixel's colour (blue, green, red packed as
    // b | g << 8 | r << 16). A new colour is appended while there is room;
    // once the list is full, further colours take the nearest listed one.
    std::uint8_t IndexOf(std::uint32_t colour);

    std::size_t Size() const { return size_; }
    std::uint32_t At(std::size_t index) const { return colours_[index]; }

private:
    static constexpr std::uint32_t Empty = 0xFFFFFFFF;  // no 24-bit colour has this value
    static constexpr std::size_t SlotCount = 1024;      // a power of two, four times the list

    static std::size_t Hash(std::uint32_t colour) { return (colour * 2654435761u) >> 22; }
    std::uint8_t Nearest(std::uint32_t colour) const;

    // Colour and its index per slot; colours beyond the list are stored too,
    // so each is matched to its nearest colour once.
    std::array<std::uint32_t, SlotCount> slots_{};
    std::array<std::uint8_t, SlotCount> indices_{};
    std::size_t used_ = 0;
    std::array<std::uint32_t, MaxColours> colours_{};
    std::size_t size_ = 0;
};

}  // namespace canvas::raster
