#pragma once

// Copying pixels except those of one key colour (a layer's transparent
// colour), sixteen pixels at a time where SSE2 is there; and finding the
// runs of pixels that are not of it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

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

    // Whether the sixteen pixels from `pixels` all have the key colour.
    bool Matches16(const std::uint8_t* pixels) const {
#if defined(__SSE2__)
        auto equal = [&](int v) {
            return _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels + 16 * v)), key_[v]);
        };
        return _mm_movemask_epi8(_mm_and_si128(_mm_and_si128(equal(0), equal(1)), equal(2))) == 0xFFFF;
#else
        for (int k = 0; k < 16; ++k)
            if (!Matches(pixels + 3 * k)) return false;
        return true;
#endif
    }

    enum class Block { Opaque, Keyed, Mixed };
    // Whether none, all or some of the sixteen pixels from `pixels` have the
    // key colour.
    Block Classify16(const std::uint8_t* pixels) const {
#if defined(__SSE2__)
        const __m128i e0 = _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels)), key_[0]);
        const __m128i e1 = _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels + 16)), key_[1]);
        const __m128i e2 = _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels + 32)), key_[2]);
        if (_mm_movemask_epi8(_mm_and_si128(_mm_and_si128(e0, e1), e2)) == 0xFFFF) return Block::Keyed;
        if (_mm_movemask_epi8(_mm_or_si128(_mm_or_si128(e0, e1), e2)) == 0) return Block::Opaque;
        return Block::Mixed;
#else
        int keyed = 0;
        for (int k = 0; k < 16; ++k) keyed += Matches(pixels + 3 * k);
        return keyed == 0 ? Block::Opaque : keyed == 16 ? Block::Keyed : Block::Mixed;
#endif
    }

    // Copies the `count` pixels of `from` that are not of the key colour to
    // `to`; the others keep what `to` had. Blocks of sixteen pixels are moved
    // in the registers they were compared in.
    void CopyUnkeyed(const std::uint8_t* from, std::uint8_t* to, std::size_t count) const {
        std::size_t i = 0;
#if defined(__SSE2__)
        for (; i + 16 <= count; i += 16) {
            const std::uint8_t* p = from + 3 * i;
            const __m128i v0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
            const __m128i v1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16));
            const __m128i v2 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 32));
            const __m128i e0 = _mm_cmpeq_epi8(v0, key_[0]);
            const __m128i e1 = _mm_cmpeq_epi8(v1, key_[1]);
            const __m128i e2 = _mm_cmpeq_epi8(v2, key_[2]);
            std::uint8_t* q = to + 3 * i;
            // No byte like the key's: all kept. Every byte like it: all left out.
            if (_mm_movemask_epi8(_mm_or_si128(_mm_or_si128(e0, e1), e2)) == 0) {
                _mm_storeu_si128(reinterpret_cast<__m128i*>(q), v0);
                _mm_storeu_si128(reinterpret_cast<__m128i*>(q + 16), v1);
                _mm_storeu_si128(reinterpret_cast<__m128i*>(q + 32), v2);
                continue;
            }
            if (_mm_movemask_epi8(_mm_and_si128(_mm_and_si128(e0, e1), e2)) == 0xFFFF) continue;
            // Mixed: blend by a byte mask, set where the pixel is keyed.
            const std::uint64_t keyed = PixelMask(e0, e1, e2);
            const std::uint64_t bytes = keyed | keyed << 1 | keyed << 2;
            Blend(q, v0, bytes);
            Blend(q + 16, v1, bytes >> 16);
            Blend(q + 32, v2, bytes >> 32);
        }
#endif
        for (; i < count; ++i)
            if (!Matches(from + 3 * i)) std::memcpy(to + 3 * i, from + 3 * i, 3);
    }

private:
#if defined(__SSE2__)
    static constexpr std::uint64_t kAll = 0x249249249249ull;  // bit 3k for pixels k = 0..15

    // Stores the bytes of v at q except where bit j of `keep` is set.
    static void Blend(std::uint8_t* q, __m128i v, std::uint64_t keep) {
        const __m128i mask = _mm_set_epi64x(static_cast<long long>(Spread(keep >> 8)), static_cast<long long>(Spread(keep)));
        const __m128i old = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(q), _mm_or_si128(_mm_and_si128(mask, old), _mm_andnot_si128(mask, v)));
    }
    // Eight mask bits to eight bytes of 0x00 or 0xFF.
    static std::uint64_t Spread(std::uint64_t bits) { return kSpread[bits & 0xFF]; }
    static constexpr auto kSpread = [] {
        std::array<std::uint64_t, 256> table{};
        for (std::size_t bits = 0; bits < 256; ++bits)
            for (std::size_t j = 0; j < 8; ++j)
                if (bits >> j & 1) table[bits] |= std::uint64_t{0xFF} << (8 * j);
        return table;
    }();

    // Bit 3k set when pixel k of the 48 bytes has the key colour, from the
    // byte comparisons of the three vectors.
    static std::uint64_t PixelMask(__m128i e0, __m128i e1, __m128i e2) {
        auto bits = [](__m128i e) { return static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm_movemask_epi8(e))); };
        const std::uint64_t m = bits(e0) | bits(e1) << 16 | bits(e2) << 32;
        return m & (m >> 1) & (m >> 2) & kAll;
    }
    __m128i key_[3];
#endif
    std::uint8_t b_, g_, r_;
};

// The runs of pixels not of the key colour in each stored row of a picture:
// found once, they are copied with one block move each and no compare.
struct OpaqueRuns {
    struct Run {
        std::int32_t first, count;  // columns, 0-based
    };
    std::vector<Run> runs;
    std::vector<std::uint32_t> rowStart;  // per stored row, its first run; one more at the end
    std::size_t Rows() const { return rowStart.empty() ? 0 : rowStart.size() - 1; }
};

// `rows` stored rows of `width` pixels each, `stride` bytes apart.
OpaqueRuns FindOpaqueRuns(const std::uint8_t* first, std::size_t stride, std::int32_t width, std::int32_t rows,
                          const KeyColour& key);

}  // namespace canvas::raster
