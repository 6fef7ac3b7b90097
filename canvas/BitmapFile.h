#pragma once

// Reading pictures from the bytes of a bitmap file and placing them on a
// canvas target. Every header field is checked against the bytes really
// there before any pixel is read. Private to the canvas.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "canvas/KeyRuns.h"
#include "canvas/Raster.h"

namespace canvas::bitmap {

inline constexpr std::size_t HeaderSize = 54;

// What is wrong with a file, in the order the checks are made.
enum class Fault {
    None,
    NotBitmap,         // no "BM", or shorter than its header
    UnsupportedDepth,  // neither 24 nor 8 bits per pixel
    BadSize,           // wider or taller than 65535 pixels, or a negative width
    Truncated,         // fewer pixel rows than the header promises
};

// A picture inside a file's bytes; it refers into them.
struct Picture {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint8_t bitsPerPixel = 24;
    bool topDown = false;                // rows stored top row first
    std::span<const std::uint8_t> rows;  // from the first stored row
    std::size_t stride = 0;              // bytes per stored row, pad included
    std::int32_t rowsPresent = 0;        // stored rows wholly in the file
    // 8 bits: blue, green, red of each index; indexes the file lacks are black.
    std::array<std::array<std::uint8_t, 3>, 256> palette{};
};

struct Reading {
    Fault fault = Fault::None;
    Picture picture;  // drawable unless the fault is NotBitmap, UnsupportedDepth or BadSize
};

// How many bytes from the start of a file the picture can use, judged from
// its first HeaderSize bytes (or fewer): reading more would read nothing used.
std::size_t BytesUsed(std::span<const std::uint8_t> header);

Reading Read(std::span<const std::uint8_t> file);

// The width and height a file's header gives, as Read takes them (a picture
// stored top row first counts its rows as positive); where the size is not
// one Read accepts, the low 16 bits of each field. False when the bytes do
// not begin with a bitmap header.
bool Dimensions(std::span<const std::uint8_t> header, std::int32_t& width, std::int32_t& height);

// The runs of pixels of a 24-bit picture that are not of one colour, row by
// row: found once, they are placed with one block copy each.
using OpaqueRuns = raster::OpaqueRuns;
OpaqueRuns FindOpaqueRuns(const Picture& picture, std::int32_t mask);

// The runs' pixels of the picture at (x, y), clipped to the target.
void PlaceRuns(const Picture& picture, const OpaqueRuns& runs, const raster::View& target, std::int64_t x,
               std::int64_t y);

// Copies the picture's rows present in the file with its top-left pixel at
// (x, y), clipped to the target. At 24 bits, pixels of colour `mask` (red in
// the low byte; negative for none) are left out.
void Place(const Picture& picture, const raster::View& target, std::int64_t x, std::int64_t y,
           std::int32_t mask);

}  // namespace canvas::bitmap
