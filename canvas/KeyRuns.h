#pragma once

// Runs of pixels that are, or are not, one key colour: a transparent-colour
// copy moves each run of kept pixels as one block instead of pixel by pixel.

#include <cstddef>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace canvas::raster {

class KeyColour {
public:
    // Colour with red in the low byte; bits 24-31 play no part.
    explicit KeyColour(std::int32_t colour)
        : b_(static_cast<std::uint8_t>(colour >> 16)),
          g_(static_cast<std::uint8_t>(colour >> 8)),
          r_(static_cast<std::uint8_t>(colour)) {
#if defined(__SSE2__)
        alignas(16) std::uint8_t pattern[48];
        for (int i = 0; i < 48; i += 3) {
            pattern[i] = b_;
            pattern[i + 1] = g_;
            pattern[i + 2] = r_;
        }
        for (int v = 0; v < 3; ++v)
            key_[v] = _mm_load_si128(reinterpret_cast<const __m128i*>(pattern + 16 * v));
#endif
    }

    bool Matches(const std::uint8_t* pixel) const {
        return pixel[0] == b_ && pixel[1] == g_ && pixel[2] == r_;
    }

    // End of the run that starts at pixel `from` of a row of `count` pixels:
    // the first pixel whose match differs from that of pixel `from`.
    std::size_t RunEnd(const std::uint8_t* row, std::size_t from, std::size_t count) const {
        const bool keyed = Matches(row + 3 * from);
        std::size_t i = from + 1;
        while (i < count) {
#if defined(__SSE2__)
            // Sixteen pixels (48 bytes) at a time while whole blocks agree.
            while (i + 16 <= count && BlockMask(row + 3 * i) == (keyed ? kAll : 0)) i += 16;
#endif
            // Pixel by pixel through the block that disagreed.
            const std::size_t stop = count - i < 16 ? count : i + 16;
            while (i < stop && Matches(row + 3 * i) == keyed) ++i;
            if (i < stop) break;
        }
        return i;
    }

private:
#if defined(__SSE2__)
    static constexpr std::uint64_t kAll = 0x249249249249ull;  // bit 3k for pixels k = 0..15

    // Bit 3k set when pixel k of the block has the key colour.
    std::uint64_t BlockMask(const std::uint8_t* p) const {
        std::uint64_t m = 0;
        for (int v = 0; v < 3; ++v) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * v));
            const auto equal = static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, key_[v])));
            m |= static_cast<std::uint64_t>(equal) << (16 * v);
        }
        return m & (m >> 1) & (m >> 2) & kAll;
    }
    __m128i key_[3];
#endif
    std::uint8_t b_, g_, r_;
};

}  // namespace canvas::raster
