// Bitmap file reading and placement.
#include "canvas/BitmapFile.h"

#include <algorithm>
#include <cstring>

namespace canvas::bitmap {

namespace {

std::uint32_t Le32(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
           static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
std::int32_t Signed32(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::int32_t>(Le32(b, at));
}

// Field offsets of the file and info headers.
constexpr std::size_t DataOffsetField = 10;
constexpr std::size_t InfoSizeField = 14;
constexpr std::size_t WidthField = 18;
constexpr std::size_t HeightField = 22;
constexpr std::size_t DepthField = 28;  // only its low byte counts
constexpr std::size_t ColoursUsedField = 46;
constexpr std::int32_t MaxSide = 65535;

bool IsBitmap(std::span<const std::uint8_t> file) {
    return file.size() >= HeaderSize && file[0] == 'B' && file[1] == 'M';
}

std::size_t RowBytes(std::int32_t width, std::uint8_t bits) {
    const std::size_t pixels = static_cast<std::size_t>(width) * (bits / 8);
    return (pixels + 3) & ~std::size_t{3};
}

// Where 8-bit pixel rows begin: the data-offset field when it points inside
// the file past the header, else straight after the colour table.
std::uint64_t IndexedDataStart(std::span<const std::uint8_t> header, std::uint64_t tableStart) {
    const std::uint64_t declared = Le32(header, DataOffsetField);
    return declared >= HeaderSize ? declared : tableStart + 4 * 256;
}

std::uint64_t TableStart(std::span<const std::uint8_t> header) {
    return std::max<std::uint64_t>(14 + std::uint64_t{Le32(header, InfoSizeField)}, HeaderSize);
}

// Rows as the header states them; false for a size no picture can have.
bool Size(std::span<const std::uint8_t> header, std::int32_t& width, std::int32_t& height, bool& topDown) {
    width = Signed32(header, WidthField);
    const std::int32_t rows = Signed32(header, HeightField);
    topDown = rows < 0;
    if (width < 0 || width > MaxSide || rows < -MaxSide || rows > MaxSide) return false;
    height = topDown ? -rows : rows;
    return true;
}

}  // namespace

std::size_t BytesUsed(std::span<const std::uint8_t> header) {
    if (!IsBitmap(header)) return HeaderSize;
    std::int32_t width = 0, height = 0;
    bool topDown = false;
    if (!Size(header, width, height, topDown)) return HeaderSize;
    const std::uint8_t bits = header[DepthField];
    const std::uint64_t pixels = std::uint64_t{RowBytes(width, bits)} * static_cast<std::uint64_t>(height);
    if (bits == 24) return static_cast<std::size_t>(HeaderSize + pixels);
    if (bits == 8) {
        const std::uint64_t table = TableStart(header);
        const std::uint64_t data = IndexedDataStart(header, table);
        return static_cast<std::size_t>(std::max(table + 4 * 256, data + pixels));
    }
    return HeaderSize;
}

bool Dimensions(std::span<const std::uint8_t> header, std::int32_t& width, std::int32_t& height) {
    if (!IsBitmap(header)) return false;
    bool topDown = false;
    if (!Size(header, width, height, topDown)) {
        width = static_cast<std::int32_t>(Le32(header, WidthField) & 0xFFFF);
        height = static_cast<std::int32_t>(Le32(header, HeightField) & 0xFFFF);
    }
    return true;
}

Reading Read(std::span<const std::uint8_t> file) {
    Reading reading;
    if (!IsBitmap(file)) {
        reading.fault = Fault::NotBitmap;
        return reading;
    }
    Picture& picture = reading.picture;
    picture.bitsPerPixel = file[DepthField];
    if (picture.bitsPerPixel != 24 && picture.bitsPerPixel != 8) {
        reading.fault = Fault::UnsupportedDepth;
        return reading;
    }
    if (!Size(file, picture.width, picture.height, picture.topDown)) {
        reading.fault = Fault::BadSize;
        return reading;
    }

    // 24-bit rows always begin right after the 54 header bytes, whatever the
    // data-offset field says; 8-bit rows follow their colour table.
    std::uint64_t dataStart = HeaderSize;
    if (picture.bitsPerPixel == 8) {
        const std::uint64_t tableStart = TableStart(file);
        const std::uint32_t declared = Le32(file, ColoursUsedField);
        const std::uint64_t colours = declared == 0 || declared > 256 ? 256 : declared;
        for (std::uint64_t i = 0; i < colours && tableStart + 4 * i + 3 <= file.size(); ++i) {
            const std::size_t at = static_cast<std::size_t>(tableStart + 4 * i);
            picture.palette[i] = {file[at], file[at + 1], file[at + 2]};
        }
        dataStart = IndexedDataStart(file, tableStart);
    }

    picture.stride = RowBytes(picture.width, picture.bitsPerPixel);
    const std::size_t pixelBytes = static_cast<std::size_t>(picture.width) * (picture.bitsPerPixel / 8);
    if (dataStart <= file.size()) {
        picture.rows = file.subspan(static_cast<std::size_t>(dataStart));
        // A row counts when its pixels are there; its pad bytes may be missing.
        if (picture.height > 0 && picture.rows.size() >= pixelBytes) {
            const std::size_t whole = picture.stride == 0 ? picture.height
                                                          : 1 + (picture.rows.size() - pixelBytes) / picture.stride;
            picture.rowsPresent = static_cast<std::int32_t>(std::min<std::size_t>(whole, picture.height));
        }
    }
    if (picture.rowsPresent < picture.height) reading.fault = Fault::Truncated;
    return reading;
}

namespace {

// Columns of the picture, and the canvas column of the first, that fall
// inside the target.
struct Columns {
    std::int32_t first = 0, count = 0, canvasX = 0;
};
Columns VisibleColumns(std::int32_t width, std::int64_t x, std::int32_t targetWidth) {
    const std::int64_t first = std::max<std::int64_t>(0, 1 - x);
    const std::int64_t last = std::min<std::int64_t>(width - 1, targetWidth - x);
    if (first > last) return {};
    return {static_cast<std::int32_t>(first), static_cast<std::int32_t>(last - first + 1),
            static_cast<std::int32_t>(x + first)};
}

void CopyIndexed(std::uint8_t* to, const std::uint8_t* from, std::int32_t count,
                 const std::array<std::array<std::uint8_t, 3>, 256>& palette) {
    for (std::int32_t i = 0; i < count; ++i) std::memcpy(to + 3 * i, palette[from[i]].data(), 3);
}

// Picture row (0 = top) of a stored row, and the canvas row it goes to.
std::int32_t PictureRow(const Picture& picture, std::int32_t stored) {
    return picture.topDown ? stored : picture.height - 1 - stored;
}
const std::uint8_t* StoredRow(const Picture& picture, std::int32_t stored) {
    return picture.rows.data() + static_cast<std::size_t>(stored) * picture.stride;
}

}  // namespace

OpaqueRuns FindOpaqueRuns(const Picture& picture, std::int32_t mask) {
    return raster::FindOpaqueRuns(picture.rows.data(), picture.stride, picture.width, picture.rowsPresent,
                                  raster::KeyColour(mask));
}

void PlaceRuns(const Picture& picture, const OpaqueRuns& runs, const raster::View& target, std::int64_t x,
               std::int64_t y) {
    const Columns columns = VisibleColumns(picture.width, x, target.Width());
    if (columns.count == 0 || target.Height() == 0) return;
    const auto rows = static_cast<std::int32_t>(std::min<std::size_t>(static_cast<std::size_t>(picture.rowsPresent), runs.Rows()));
    // The stored rows whose canvas row y + PictureRow(stored) lies inside the target.
    std::int64_t lo = 0, hi = rows - 1;
    if (picture.topDown) {
        lo = std::max<std::int64_t>(lo, 1 - y);
        hi = std::min<std::int64_t>(hi, target.Height() - y);
    } else {
        lo = std::max<std::int64_t>(lo, y + picture.height - 1 - target.Height());
        hi = std::min<std::int64_t>(hi, y + picture.height - 2);
    }
    const bool whole = columns.first == 0 && columns.count == picture.width;
    const std::int32_t visibleEnd = columns.first + columns.count;
    if (lo > hi) return;
    // Everything the loop reads but the pixels, in locals: the pixel stores
    // could alias any memory, so fields would be read again on every row.
    const raster::OpaqueRuns::Run* run = runs.runs.data();
    const std::uint32_t* rowStart = runs.rowStart.data();
    const std::size_t stride = picture.stride;
    // Each next stored row goes one canvas row up (down for a top-down
    // picture), which is one stored row of the target further (back).
    const std::ptrdiff_t nextRow = (picture.topDown ? -1 : 1) * static_cast<std::ptrdiff_t>(target.RowStride());
    const std::uint8_t* from = StoredRow(picture, static_cast<std::int32_t>(lo));
    std::uint8_t* to = target.Pixel(columns.canvasX, static_cast<std::int32_t>(y + PictureRow(picture, static_cast<std::int32_t>(lo))));
    for (auto stored = static_cast<std::int32_t>(lo); stored <= hi;
         ++stored, from += stride, to = stored <= hi ? to + nextRow : to) {
        const std::uint32_t end = rowStart[static_cast<std::size_t>(stored) + 1];
        for (std::uint32_t r = rowStart[static_cast<std::size_t>(stored)]; r < end; ++r) {
            std::int32_t first = run[r].first, last = run[r].first + run[r].count;
            if (!whole) {
                first = std::max(first, columns.first);
                last = std::min(last, visibleEnd);
                if (first >= last) continue;
            }
            raster::CopyRun(to + 3 * static_cast<std::size_t>(first - columns.first), from + 3 * static_cast<std::size_t>(first),
                            3 * static_cast<std::size_t>(last - first));
        }
    }
}

void Place(const Picture& picture, const raster::View& target, std::int64_t x, std::int64_t y,
           std::int32_t mask) {
    // A mask beyond 24 bits matches no pixel.
    const bool keyed = picture.bitsPerPixel == 24 && mask >= 0 && mask <= 0xFFFFFF;
    const raster::KeyColour key(keyed ? mask : 0);
    const Columns columns = VisibleColumns(picture.width, x, target.Width());
    if (columns.count == 0 || target.Height() == 0) return;
    const std::size_t bytesPerPixel = picture.bitsPerPixel / 8;
    for (std::int32_t stored = 0; stored < picture.rowsPresent; ++stored) {
        const std::int64_t canvasY = y + PictureRow(picture, stored);
        if (canvasY < 1 || canvasY > target.Height()) continue;
        const std::uint8_t* from = StoredRow(picture, stored) + static_cast<std::size_t>(columns.first) * bytesPerPixel;
        std::uint8_t* to = target.Pixel(columns.canvasX, static_cast<std::int32_t>(canvasY));
        if (picture.bitsPerPixel == 8)
            CopyIndexed(to, from, columns.count, picture.palette);
        else if (keyed)
            key.CopyUnkeyed(from, to, static_cast<std::size_t>(columns.count));
        else
            std::memcpy(to, from, 3 * static_cast<std::size_t>(columns.count));
    }
}

}  // namespace canvas::bitmap
