// Resizing one layer, the whole canvas, and the control to fit the canvas.
#include <algorithm>
#include <cstring>

#include "canvas/Draw.h"
#include "canvas/Raster.h"

namespace canvas {

std::int32_t Draw::ResizeLayer(std::int32_t LAYERNUM, std::int32_t WIDTH, std::int32_t HEIGHT,
                               std::int32_t COPYDATA) {
    if (LAYERNUM < 1 || LAYERNUM > MaxLayers) {
        ErrorTrap("Invalid layer number - out of range", "ResizeLayer");
        return 0;
    }
    LayerRecord& layer = Layers[static_cast<std::size_t>(LAYERNUM - 1)];
    if (!layer.Init) {
        ErrorTrap("Invalid layer - Not initialised", "ResizeLayer");
        return 0;
    }
    if (WIDTH == layer.Width && HEIGHT == layer.Height) return 1;
    // Without a size of its own the layer takes the control's.
    const bool given = WIDTH > 0 && HEIGHT > 0;
    const std::int32_t width = given ? WIDTH : std::max(host_.ControlWidth(Control), 0);
    const std::int32_t height = given ? HEIGHT : std::max(host_.ControlHeight(Control), 0);
    if (!raster::Describable(width, height)) {
        ErrorTrap("Cannot create a layer of more than 4 GB.", "ResizeLayer");
        return 0;
    }

    Bytes resized(raster::ImageBytes(width, height), 0);
    if (COPYDATA != 0) {
        // Row by row from the bottom, so the kept picture stays in the
        // bottom-left corner.
        const raster::View from = raster::Of(layer);
        const std::size_t newStride = raster::Stride(width);
        const std::int32_t rows = std::min(from.Height(), height);
        const std::size_t bytes = raster::BytesPerPixel * static_cast<std::size_t>(std::min(from.Width(), width));
        for (std::int32_t r = 0; r < rows; ++r)
            std::memcpy(resized.data() + raster::HeaderSize + static_cast<std::size_t>(r) * newStride,
                        from.StoredRow(r), bytes);
    }
    // Swapping keeps the vector object, so alpha references stay valid.
    layer.BitmapData.swap(resized);
    ++layer.Writes;
    layer.Width = width;
    layer.Height = height;
    layer.ZeroPad = raster::RowPad(width);
    layer.BufferSize = static_cast<std::uint32_t>(layer.BitmapData.size());
    if (LAYERNUM == ActiveLayer) {
        Width = layer.Width;
        Height = layer.Height;
        ZeroPad = layer.ZeroPad;
        BufferSize = layer.BufferSize;
    }
    return 1;
}

void Draw::Resize(std::int32_t WIDTH, std::int32_t HEIGHT, std::int32_t COPYDATA) {
    const bool given = WIDTH > 0 && HEIGHT > 0;
    const std::int32_t width = given ? WIDTH : std::max(host_.ControlWidth(Control), 0);
    const std::int32_t height = given ? HEIGHT : std::max(host_.ControlHeight(Control), 0);
    if (!raster::Describable(width, height)) {
        ErrorTrap("Cannot create a layer of more than 4 GB.", "Resize");
        return;
    }
    // Display rebuilds the base image, so its old picture is not kept.
    BaseLayer.BitmapData.assign(raster::ImageBytes(width, height), 0);
    BaseLayer.Width = width;
    BaseLayer.Height = height;
    BaseLayer.ZeroPad = raster::RowPad(width);
    BaseLayer.BufferSize = static_cast<std::uint32_t>(BaseLayer.BitmapData.size());

    // A single drawing layer (perhaps with Image's working layer) follows
    // the canvas; with more layers each keeps its size.
    if (LayerCount == 2 && Layers[MaxLayers - 1].Init) {
        ResizeLayer(1, width, height, COPYDATA);
        KillLayer(MaxLayers);
    } else if (LayerCount == 1) {
        ResizeLayer(1, width, height, COPYDATA);
    }

    if (Intialised256) {
        ZeroPad256 = static_cast<std::uint8_t>((4 - width % 4) % 4);
        BitmapFileData256.assign(1078 + static_cast<std::size_t>(height) * static_cast<std::size_t>(width + ZeroPad256), 0);
        BufferSize256 = static_cast<std::int32_t>(BitmapFileData256.size());
    }
}

void Draw::ResizeControl() { host_.SetControlSize(Control, BaseLayer.Width, BaseLayer.Height); }

}  // namespace canvas
