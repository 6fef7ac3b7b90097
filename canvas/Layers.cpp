// Creating, selecting, killing, ordering and flagging layers.
#include <algorithm>
#include <charconv>
#include <string>

#include "canvas/Draw.h"
#include "canvas/Raster.h"

namespace canvas {

namespace {

bool InRange(std::int32_t layer) { return layer >= 1 && layer <= MaxLayers; }

// Decimal text to a layer number; text that is no number gives 0.
std::int32_t LayerNumber(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return 0;
    text.remove_prefix(first);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} ? value : 0;
}

}  // namespace

std::int32_t Draw::InitLayer(std::int32_t LAYERNUMBER, std::int32_t WIDTH, std::int32_t HEIGHT,
                             std::int32_t XPOS, std::int32_t YPOS, std::int32_t INDEXCOLOR,
                             std::uint8_t MODE) {
    // 0 takes the base image's size, a negative size its magnitude, negated
    // in 32 bits: the most negative size stays negative and is refused.
    auto size = [](std::int32_t given, std::int32_t base) -> std::int64_t {
        if (given == 0) return base;
        return given < 0 ? static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(given)) : given;
    };
    const std::int64_t width = size(WIDTH, BaseLayer.Width);
    const std::int64_t height = size(HEIGHT, BaseLayer.Height);
    if (!InRange(LAYERNUMBER)) {
        ErrorTrap("Invalid layer number, value out of valid range: " + std::to_string(LAYERNUMBER) +
                      ". Layer number must be greater than 0 and less than Draw:numLayers.",
                  "InitLayer");
        return 0;
    }
    if (width < 0 || height < 0) {
        ErrorTrap("Cannot create a layer with width or height less than 1.", "InitLayer");
        return 0;
    }
    if (!raster::Describable(width, height)) {
        ErrorTrap("Cannot create a layer of more than 4 GB.", "InitLayer");
        return 0;
    }
    const std::size_t bytes =
        raster::ImageBytes(static_cast<std::int32_t>(width), static_cast<std::int32_t>(height)) + 1;

    LayerRecord& layer = Layers[static_cast<std::size_t>(LAYERNUMBER - 1)];
    const bool existed = layer.Init != 0;
    if (!existed) ++LayerCount;
    layer.Width = static_cast<std::int32_t>(width);
    layer.Height = static_cast<std::int32_t>(height);
    layer.ZeroPad = raster::RowPad(layer.Width);
    layer.BufferSize = static_cast<std::uint32_t>(bytes);
    // assign() keeps the allocation when the size is unchanged and clears it.
    layer.BitmapData.assign(bytes, 0);
    ++layer.Writes;
    layer.XPos = XPOS;
    layer.YPos = YPOS;
    layer.IndexColor = INDEXCOLOR;
    layer.DisplayMode = MODE;
    layer.Init = 1;

    if (!existed) {
        // At the end of the drawing order: the first free entry from entry 2.
        const auto free = std::find(LayerOrder.begin() + 1, LayerOrder.end(), 0);
        if (free != LayerOrder.end()) *free = LAYERNUMBER;
    }
    // A re-created target is drawn to with its new buffer and size.
    if (LAYERNUMBER == ActiveLayer) WithLayer(std::to_string(LAYERNUMBER));
    return 1;
}

std::int32_t Draw::WithLayer(std::string_view LAYER) {
    const std::int32_t number = LayerNumber(LAYER);
    if (!InRange(number)) {
        ErrorTrap("The layer being selected is outside of the valid range of layers.", "WithLayer()");
        return 0;
    }
    LayerRecord& layer = Layers[static_cast<std::size_t>(number - 1)];
    if (!layer.Init) {
        ErrorTrap("Invalid layer. Layers must be initialised by calling InitLayer() before being drawn to.",
                  "WithLayer()");
        return 0;
    }
    BitmapFileData = &layer.BitmapData;
    ActiveLayer = number;
    ZeroPad = layer.ZeroPad;
    Width = layer.Width;
    Height = layer.Height;
    BufferSize = layer.BufferSize;
    return 1;
}

std::int32_t Draw::KillLayer(std::int32_t LAYERNUMBER) {
    if (LayerCount <= 1) {
        ErrorTrap("Cannot kill only layer", "KillLayer");
        return 0;
    }
    if (LAYERNUMBER < 1) {
        ErrorTrap("Invalid layer number, must be greater than zero", "Killlayer");
        return 0;
    }
    if (LAYERNUMBER > MaxLayers) {
        ErrorTrap("Invalid layer number, greater than maximum number of layers", "KillLayer");
        return 0;
    }
    LayerRecord& layer = Layers[static_cast<std::size_t>(LAYERNUMBER - 1)];
    if (!layer.Init) return 1;
    // Only the buffer goes: the rest of the record stays, so a re-created
    // layer keeps its alpha source and layers blending through this one keep
    // theirs (an empty buffer reads as opaque).
    layer.Init = 0;
    layer.BitmapData = Bytes{};
    layer.BufferSize = 0;
    ++layer.Writes;
    const auto entry = std::find(LayerOrder.begin(), LayerOrder.end(), LAYERNUMBER);
    if (entry != LayerOrder.end()) {
        std::move(entry + 1, LayerOrder.end(), entry);
        LayerOrder.back() = 0;
    }
    --LayerCount;

    // The target moves to layer 1, or to the first layer drawn when 1 is gone.
    if (ActiveLayer == LAYERNUMBER) {
        const std::int32_t next = Layers[0].Init ? 1 : LayerOrder[0];
        WithLayer(std::to_string(next));
    }
    return 1;
}

std::int32_t Draw::LayerMode(std::int32_t LAYERNUMBER, std::uint8_t MODE) {
    if (!InRange(LAYERNUMBER)) {
        ErrorTrap("Invalid layer Number", "LayerMode");
        return 0;
    }
    const LayerRecord& layer = Layers[static_cast<std::size_t>(LAYERNUMBER - 1)];
    if (!layer.Init) {
        ErrorTrap("Layer is not intialised", "LayerMode");
        return 0;
    }
    return (layer.DisplayMode & MODE) != 0 ? 1 : 0;
}

std::int32_t Draw::SetMode(std::int32_t LAYERNUMBER, std::uint8_t MODE, std::uint8_t VALUE) {
    if (!InRange(LAYERNUMBER)) {
        ErrorTrap("Invalid layer Number", "SetMode");
        return 0;
    }
    LayerRecord& layer = Layers[static_cast<std::size_t>(LAYERNUMBER - 1)];
    if (!layer.Init) {
        ErrorTrap("Layer is not intialised", "SetMode");
        return 0;
    }
    // Set or clear the bits of MODE; a mix of flags never borrows into others.
    if (VALUE != 0)
        layer.DisplayMode |= MODE;
    else
        layer.DisplayMode &= static_cast<std::uint8_t>(~MODE);
    return 1;
}

void Draw::ShowLayer(std::int32_t LAYERNUM) { SetMode(LAYERNUM, ModeHidden, 0); }

void Draw::HideLayer(std::int32_t LAYERNUM) { SetMode(LAYERNUM, ModeHidden, 1); }

std::int32_t Draw::IndexTransparency(std::int32_t LAYERNUMBER, std::int32_t COLOR, std::uint8_t USEINDEX) {
    if (!InRange(LAYERNUMBER)) {
        ErrorTrap("Invalid layer Number", "IndexTransparency");
        return 0;
    }
    LayerRecord& layer = Layers[static_cast<std::size_t>(LAYERNUMBER - 1)];
    if (!layer.Init) {
        ErrorTrap("Layer is not intialised", "IndexTransparency");
        return 0;
    }
    layer.IndexColor = COLOR;
    if (USEINDEX != 0)
        layer.DisplayMode |= ModeIndex;
    else
        layer.DisplayMode &= static_cast<std::uint8_t>(~ModeIndex);
    return 1;
}

std::int32_t Draw::MoveLayer(std::int32_t LAYERNUMBER, std::int32_t NEWPOS) {
    if (!InRange(LAYERNUMBER)) {
        ErrorTrap("Invalid layer number", "MoveLayer");
        return 0;
    }
    if (!Layers[static_cast<std::size_t>(LAYERNUMBER - 1)].Init) {
        ErrorTrap("Layer is not intialised", "Movelayer");
        return 0;
    }
    const auto used = LayerOrder.begin() + std::clamp(LayerCount, 0, MaxLayers);
    const auto entry = std::find(LayerOrder.begin(), used, LAYERNUMBER);
    if (entry == used) return 0;  // cannot happen while the order is kept
    // A place outside the order moves the layer to the end.
    const std::int32_t to = (NEWPOS >= 1 && NEWPOS <= LayerCount) ? NEWPOS : LayerCount;
    const auto target = LayerOrder.begin() + (to - 1);
    if (entry < target)
        std::rotate(entry, entry + 1, target + 1);
    else if (entry > target)
        std::rotate(target, entry, entry + 1);
    return 1;
}

std::int32_t Draw::SwapLayers(std::int32_t LAYER1, std::int32_t LAYER2) {
    if (!InRange(LAYER1) || !InRange(LAYER2)) {
        ErrorTrap("Invalid layer number", "SwapLayers");
        return 0;
    }
    if (!Layers[static_cast<std::size_t>(LAYER1 - 1)].Init || !Layers[static_cast<std::size_t>(LAYER2 - 1)].Init) {
        ErrorTrap("Both layers must be initialised", "SwapLayers");
        return 0;
    }
    if (LAYER1 == LAYER2) {
        ErrorTrap("Cannot swap a layer with itself", "SwapLayers");
        return 0;
    }
    const auto used = LayerOrder.begin() + std::clamp(LayerCount, 0, MaxLayers);
    const auto first = std::find(LayerOrder.begin(), used, LAYER1);
    const auto second = std::find(LayerOrder.begin(), used, LAYER2);
    if (first == used || second == used) {
        ErrorTrap("Could not find layers in layerOrder array", "SwapLayers");
        return 0;
    }
    std::iter_swap(first, second);
    return 1;
}

std::int32_t Draw::NumLayers() {
    return static_cast<std::int32_t>(
        std::count_if(Layers.begin(), Layers.end(), [](const LayerRecord& layer) { return layer.Init != 0; }));
}

std::int32_t Draw::AddAlpha(std::int32_t LAYERNUM, std::int32_t ALPHALAYER, std::uint8_t CHANNEL) {
    if (!InRange(LAYERNUM)) {
        ErrorTrap("The layer number is outside of the valid range", "AddAlpha");
        return 0;
    }
    if (!InRange(ALPHALAYER)) {
        ErrorTrap("The alpha layer number is outside of the valid range", "AddAlpha");
        return 0;
    }
    LayerRecord& layer = Layers[static_cast<std::size_t>(LAYERNUM - 1)];
    const LayerRecord& source = Layers[static_cast<std::size_t>(ALPHALAYER - 1)];
    if (!layer.Init) {
        ErrorTrap("The passed layer (" + std::to_string(LAYERNUM) + ") does not exist - call InitLayer()", "AddAlpha");
        return 0;
    }
    if (!source.Init) {
        ErrorTrap("The passed alpha layer (" + std::to_string(ALPHALAYER) + ") does not exist - call InitLayer()",
                  "AddAlpha");
        return 0;
    }
    if (CHANNEL < ChannelRed || CHANNEL > ChannelBlue) {
        ErrorTrap("Invalid channel, value must be: Channel:Red, Channel:Green or Channel:Blue", "AddAlpha");
        return 0;
    }
    // The buffer object of a layer stays in place for the canvas's life,
    // so this reference follows the source through re-creation and resizing.
    layer.Alpha = &source.BitmapData;
    layer.AlphaLayer = ALPHALAYER;
    layer.AlphaChannel = CHANNEL;
    return 1;
}

std::int32_t Draw::HasAlpha(std::int32_t LAYERNUMBER) {
    if (!InRange(LAYERNUMBER)) return 0;
    return Layers[static_cast<std::size_t>(LAYERNUMBER - 1)].Alpha != nullptr ? 1 : 0;
}

}  // namespace canvas
