// Composing the layers into the base image and handing it to the control.
#include <cstring>
#include <optional>

#include "canvas/BitmapHeaders.h"
#include "canvas/Draw.h"
#include "canvas/LayerClip.h"
#include "canvas/Raster.h"

namespace canvas {

namespace {

// Zeroes the whole buffer except the pixels of `keep`, which the first layer
// is about to cover completely: the composed picture is then written once.
void ZeroOutside(Bytes& buffer, const raster::View& view, const std::optional<raster::CopyRect>& keep) {
    if (!keep) {
        std::memset(buffer.data(), 0, buffer.size());
        return;
    }
    const std::size_t stride = view.RowStride();
    const std::size_t left = raster::BytesPerPixel * static_cast<std::size_t>(keep->dx - 1);
    const std::size_t kept = raster::BytesPerPixel * static_cast<std::size_t>(keep->width);
    // Stored rows from the bottom: below the kept rows, beside them, above them.
    const auto firstKept = static_cast<std::size_t>(view.Height() - (keep->dy + keep->height - 1));
    const auto endKept = firstKept + static_cast<std::size_t>(keep->height);
    std::uint8_t* rows = buffer.data() + raster::HeaderSize;
    std::memset(buffer.data(), 0, raster::HeaderSize);
    std::memset(rows, 0, firstKept * stride);
    for (std::size_t r = firstKept; r < endKept; ++r) {
        std::uint8_t* row = rows + r * stride;
        std::memset(row, 0, left);
        std::memset(row + left + kept, 0, stride - left - kept);
    }
    const std::size_t done = raster::HeaderSize + endKept * stride;
    std::memset(buffer.data() + done, 0, buffer.size() - done);
}

}  // namespace

void Draw::Display() {
    const bool paletted = Colors256 && Intialised256;
    BitCount = paletted ? 8 : 24;

    LayerRecord& base = BaseLayer;
    if (!base.Init) return;  // before Init or after Kill
    const raster::View view = raster::Of(base);

    auto visible = [&](std::int32_t n) {
        return n >= 1 && n <= MaxLayers && Layers[static_cast<std::size_t>(n - 1)].Init &&
               !(Layers[static_cast<std::size_t>(n - 1)].DisplayMode & ModeHidden);
    };
    // The first visible layer, when it is copied as plain blocks, is not
    // cleared under first: it overwrites that part anyway.
    std::optional<raster::CopyRect> covered;
    for (std::int32_t n : LayerOrder) {
        if (!visible(n)) continue;
        LayerRecord& first = Layers[static_cast<std::size_t>(n - 1)];
        const bool blended = (first.DisplayMode & ModeAlpha) && first.Alpha != nullptr;
        if (!blended && !(first.DisplayMode & ModeIndex))
            covered = raster::ClipCopy(raster::Of(first), view, 1, 1, first.Width, first.Height, first.XPos, first.YPos);
        break;
    }
    ZeroOutside(base.BitmapData, view, covered);

    for (std::int32_t n : LayerOrder) {
        if (!visible(n)) continue;
        const LayerRecord& layer = Layers[static_cast<std::size_t>(n - 1)];
        CopyLayer(n, 1, 1, layer.Width, layer.Height, 0, layer.XPos, layer.YPos);
    }

    if (paletted) {
        ConvertTo256(base.BitmapData, base.Width, base.Height, 0);
        Host().SetControlPicture(Control, BitmapFileData256);
        return;
    }
    const std::uint32_t image = static_cast<std::uint32_t>(raster::Stride(base.Width)) * static_cast<std::uint32_t>(base.Height);
    BitmapFileHeader = {};
    BitmapFileHeader.BfSize = image + 54;
    BitmapInfo.BitmapInfoHeader = {};
    BitmapInfo.BitmapInfoHeader.BiWidth = base.Width;
    BitmapInfo.BitmapInfoHeader.BiHeight = base.Height;
    BitmapInfo.BitmapInfoHeader.BiSizeImage = image;
    raster::WriteHeaders(base.BitmapData, BitmapFileHeader, BitmapInfo.BitmapInfoHeader);
    Host().SetControlPicture(Control, base.BitmapData);
}

void Draw::GetDisplay() {
    if (BitmapFileData == nullptr) return;
    const std::vector<std::uint8_t> picture = Host().ControlPicture(Control);
    Bytes& target = *BitmapFileData;
    if (picture.size() != target.size()) {
        ErrorTrap("Stored image must be the same size as the image control.", "GetDisplay");
        return;
    }
    // The target keeps its own 54 header bytes.
    if (picture.size() > raster::HeaderSize)
        std::memcpy(target.data() + raster::HeaderSize, picture.data() + raster::HeaderSize,
                    picture.size() - raster::HeaderSize);
}

void Draw::SwapBuffers(std::span<const std::uint8_t> BUFFER) { Host().SetControlPicture(Control, BUFFER); }

}  // namespace canvas
