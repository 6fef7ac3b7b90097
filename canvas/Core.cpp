// Life cycle of the canvas: binding to the control, releasing everything.
#include "canvas/Draw.h"
#include "canvas/LayerRuns.h"
#include "canvas/PictureCache.h"
#include "canvas/Raster.h"

namespace canvas {

Draw::Draw(CanvasHost& host) : host_(host) {}

Draw::~Draw() {
    // Draw::Kill, not an override: a derived part is already gone here.
    Draw::Kill();
}

void Draw::Init(std::uint32_t CONTROL) {
    Killed = 0;
    Control = CONTROL;
    layerRuns_.reset();  // the records start again
    // Empty records hold nothing, their position included.
    for (LayerRecord& layer : Layers) {
        layer = LayerRecord{};
        layer.XPos = 0;
        layer.YPos = 0;
    }

    FontCharSet = 1;
    FontZoom = 1;
    Colors256 = 0;
    Intialised256 = 0;
    PenStyle = 0;
    StyleLength = 0;
    SuppressErrors = 1;
    PenWidth = 1;

    Width = std::max(host_.ControlWidth(Control), 0);
    Height = std::max(host_.ControlHeight(Control), 0);
    GetDeviceCaps(0);

    const HostFont font = host_.WindowFont();
    FontName = font.face;
    while (!FontName.empty() && FontName.back() == ' ') FontName.pop_back();
    if (FontName.empty()) FontName = "Arial";
    SetFontColor(font.colour);
    FontSize = font.size * FontZoom;
    FontStyle = font.style;
    if (FontSize == 0) FontSize = FontZoom * 12;

    // Layer 1 and the base image: black, the control's size, with the spare byte.
    ZeroPad = raster::RowPad(Width);
    BufferSize = static_cast<std::uint32_t>(raster::ImageBytes(Width, Height) + 1);
    auto fresh = [&](LayerRecord& layer) {
        layer = LayerRecord{};  // at (1, 1)
        layer.BitmapData.assign(BufferSize, 0);
        layer.Width = Width;
        layer.Height = Height;
        layer.ZeroPad = ZeroPad;
        layer.BufferSize = BufferSize;
        layer.Init = 1;
    };
    fresh(Layers[0]);
    fresh(BaseLayer);
    BitmapFileData = &Layers[0].BitmapData;
    LayerOrder.fill(0);
    LayerOrder[0] = 1;
    LayerCount = 1;
    ActiveLayer = 1;
}

void Draw::Kill() {
    if (Killed) return;
    if (Intialised256) Kill256();
    for (LayerRecord& layer : Layers) layer = LayerRecord{};
    BaseLayer = LayerRecord{};
    layerRuns_.reset();
    pictures_.reset();
    // Nothing may draw into a freed buffer: the target becomes empty.
    BitmapFileData = nullptr;
    Width = 0;
    Height = 0;
    BufferSize = 0;
    LayerOrder.fill(0);
    LayerCount = 0;
    ActiveLayer = 0;
    Killed = 1;
}

}  // namespace canvas
