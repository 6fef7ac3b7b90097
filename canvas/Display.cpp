// Composing the layers into the base image and handing it to the control.
#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "canvas/BitmapHeaders.h"
#include "canvas/Draw.h"
#include "canvas/LayerClip.h"
#include "canvas/LayerRuns.h"
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

// An opaque layer right under a keyed layer of the same size and place, the
// keyed layer's runs already known: copied together, each pixel of the base
// image is written once, from the keyed layer where it is opaque and from the
// layer under it elsewhere, as copying one and then the other would leave it.
// False, with nothing done, when the two are not such a pair.
bool CopyUnderKeyed(LayerRecord& base, const LayerRecord& below, const std::optional<raster::CopyRect>& belowAt,
                    const LayerRecord& above, std::int32_t aboveNumber, const std::optional<raster::CopyRect>& aboveAt,
                    const raster::LayerRunsCache* runsCache) {
    if (!belowAt || !aboveAt || runsCache == nullptr) return false;
    const raster::CopyRect& a = *belowAt;
    const raster::CopyRect& b = *aboveAt;
    if (a.sx != b.sx || a.sy != b.sy || a.dx != b.dx || a.dy != b.dy || a.width != b.width || a.height != b.height)
        return false;
    const bool keyed = (above.DisplayMode & ModeIndex) && !((above.DisplayMode & ModeAlpha) && above.Alpha != nullptr);
    if (!keyed || below.Width != above.Width || below.Height != above.Height) return false;
    const raster::OpaqueRuns* runs = runsCache->Found(aboveNumber, above);
    if (runs == nullptr) return false;  // CopyLayer finds them the usual way
    raster::CopyUnderRuns(raster::Of(below), raster::Of(above), raster::Of(base), a, *runs);
    base.Writes += 2;  // as two CopyLayer calls count
    return true;
}

}  // namespace

void Draw::Display() {
    const bool paletted = Colors256 && Intialised256;
    BitCount = paletted ? 8 : 24;

    LayerRecord& base = BaseLayer;
    if (!base.Init) return;  // before Init or after Kill
    const raster::View view = raster::Of(base);

    // Where each visible layer lands on the base image, in drawing order.
    struct Placed {
        std::int32_t number;
        std::optional<raster::CopyRect> at;
        bool opaque;  // copied as plain blocks: covers everything under it
    };
    std::vector<Placed> placed;
    for (std::int32_t n : LayerOrder) {
        if (n < 1 || n > MaxLayers) continue;
        LayerRecord& layer = Layers[static_cast<std::size_t>(n - 1)];
        if (!layer.Init || (layer.DisplayMode & ModeHidden)) continue;
        const bool blended = (layer.DisplayMode & ModeAlpha) && layer.Alpha != nullptr;
        placed.push_back({n,
                          raster::ClipCopy(raster::Of(layer), view, 1, 1, layer.Width, layer.Height, layer.XPos, layer.YPos),
                          !blended && !(layer.DisplayMode & ModeIndex)});
    }
    // A layer wholly inside an opaque layer above it would only be covered
    // again: it is not copied at all.
    auto inside = [](const raster::CopyRect& a, const raster::CopyRect& b) {
        return a.dx >= b.dx && a.dy >= b.dy && a.dx + a.width <= b.dx + b.width && a.dy + a.height <= b.dy + b.height;
    };
    std::vector<bool> drawn(placed.size(), true);
    std::vector<raster::CopyRect> above;
    for (std::size_t i = placed.size(); i-- > 0;) {
        const Placed& p = placed[i];
        if (p.at && std::any_of(above.begin(), above.end(), [&](const raster::CopyRect& o) { return inside(*p.at, o); }))
            drawn[i] = false;
        else if (p.at && p.opaque)
            above.push_back(*p.at);
    }

    // The first layer drawn, when it is opaque, is not cleared under first:
    // it overwrites that part anyway.
    std::optional<raster::CopyRect> covered;
    for (std::size_t i = 0; i < placed.size(); ++i) {
        if (!drawn[i]) continue;
        if (placed[i].opaque) covered = placed[i].at;
        break;
    }
    ZeroOutside(base.BitmapData, view, covered);

    for (std::size_t i = 0; i < placed.size(); ++i) {
        if (!drawn[i]) continue;
        const LayerRecord& layer = Layers[static_cast<std::size_t>(placed[i].number - 1)];
        std::size_t next = i + 1;
        while (next < placed.size() && !drawn[next]) ++next;
        if (next < placed.size() && placed[i].opaque &&
            CopyUnderKeyed(base, layer, placed[i].at, Layers[static_cast<std::size_t>(placed[next].number - 1)],
                           placed[next].number, placed[next].at, layerRuns_.get())) {
            i = next;
            continue;
        }
        CopyLayer(placed[i].number, 1, 1, layer.Width, layer.Height, 0, layer.XPos, layer.YPos);
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
    raster::CountWrite(*this);
    if (picture.size() > raster::HeaderSize)
        std::memcpy(target.data() + raster::HeaderSize, picture.data() + raster::HeaderSize,
                    picture.size() - raster::HeaderSize);
}

void Draw::SwapBuffers(std::span<const std::uint8_t> BUFFER) { Host().SetControlPicture(Control, BUFFER); }

}  // namespace canvas
