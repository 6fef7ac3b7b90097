#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "canvas/CanvasHost.h"

namespace canvas {

namespace bitmap {
class PictureCache;
}
namespace raster {
struct LayerRunsCache;
}

using Bytes = std::vector<std::uint8_t>;

// One drawing layer. Its buffer is the byte image of a 24-bit bitmap file:
// 54 header bytes, rows bottom row first, blue-green-red, each row padded to
// four bytes.
struct LayerRecord {
    Bytes BitmapData;                   // owned by the layer
    std::int32_t XPos = 1;              // top-left pixel on the base image, 1-based
    std::int32_t YPos = 1;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    const Bytes* Alpha = nullptr;       // another layer's buffer used as alpha source; not owned
    std::int32_t AlphaLayer = 0;
    std::uint8_t AlphaChannel = 0;      // 1 red, 2 green, 3 blue
    std::int32_t IndexColor = 0;        // transparent colour
    std::uint8_t ZeroPad = 0;
    std::uint32_t BufferSize = 0;
    std::uint8_t DisplayMode = 0;       // ModeAlpha | ModeIndex | ModeHidden
    std::uint8_t Init = 0;              // 1 while the layer exists
    // Not a setting: counts the canvas's writes into the buffer, so that what
    // the copies learn about its pixels is kept until they change. Code that
    // writes the bytes itself adds one too.
    std::uint64_t Writes = 0;
};

// Flags of LayerRecord::DisplayMode.
inline constexpr std::uint8_t ModeAlpha = 1;   // blend through the alpha source
inline constexpr std::uint8_t ModeIndex = 2;   // leave out pixels of IndexColor
inline constexpr std::uint8_t ModeHidden = 4;  // not composed by Display

// Alpha channels of AddAlpha.
inline constexpr std::uint8_t ChannelRed = 1;
inline constexpr std::uint8_t ChannelGreen = 2;
inline constexpr std::uint8_t ChannelBlue = 3;

inline constexpr std::int32_t MaxLayers = 255;

// One non-horizontal polygon edge of the scan-line fill. 64-bit fields: the
// doubled extents of an edge between far-apart 32-bit vertices overflow 32 bits.
struct EdgeRecord {
    std::int64_t YTop = 0;     // y of the end with the larger y
    std::int64_t YBottom = 0;  // y of the end with the smaller y
    std::int64_t XTop = 0;
    std::int64_t XCur = 0;
    std::int64_t XIncr = 0;
    std::int64_t YIncr = 0;
    std::int64_t DX = 0;       // 2 x horizontal extent
    std::int64_t DY = 0;       // 2 x vertical extent
    std::int64_t Balance = 0;
    std::int64_t Exists = 0;   // moved to the active list
};

// The work records Display fills and copies into the first 54 bytes.
struct BitmapFileHeaderRecord {
    char BfType[2] = {'B', 'M'};
    std::uint32_t BfSize = 0;
    std::uint16_t BfReserved1 = 0;
    std::uint16_t BfReserved2 = 0;
    std::uint32_t BfOffBits = 54;
};

struct BitmapInfoHeaderRecord {
    std::uint32_t BiSize = 40;
    std::int32_t BiWidth = 0;
    std::int32_t BiHeight = 0;
    std::uint16_t BiPlanes = 1;
    std::uint16_t BiBitCount = 24;
    std::uint32_t BiCompression = 0;
    std::uint32_t BiSizeImage = 0;
    std::int32_t BiXPixPerMeter = 0;
    std::int32_t BiYPixPerMeter = 0;
    std::uint32_t BiColorUsed = 0;
    std::uint32_t BiColorImportant = 0;
};

struct BitmapInfoRecord {
    BitmapInfoHeaderRecord BitmapInfoHeader;
    std::uint32_t BmiColors = 0;
};

// A software canvas bound to one image control. Pixels live in memory as a
// 24-bit bitmap file image; Display composes the layers and hands the result
// to the control. Colours are red in bits 0-7, green 8-15, blue 16-23; a
// negative colour means none. Coordinates are 1-based, (1, 1) top left.
//
// The fields are public: owners switch SuppressErrors and Logging, and
// programs deriving from Draw draw with the same state the canvas keeps.
class Draw {
public:
    explicit Draw(CanvasHost& host);  // the host is not owned and must outlive the canvas
    virtual ~Draw();                  // runs Kill
    Draw(const Draw&) = delete;
    Draw& operator=(const Draw&) = delete;

    // Life cycle.
    virtual void Init(std::uint32_t CONTROL);
    virtual void Kill();

    // Pixels.
    virtual void Blank(std::int32_t VAL);
    virtual void PutPixel(std::int32_t X, std::int32_t Y, std::int32_t PCOLOR);
    virtual std::int32_t GetImagePixel(std::int32_t X, std::int32_t Y);
    virtual std::int32_t GetPixel(std::int32_t X, std::int32_t Y);
    virtual std::int32_t GetDevicePixel(std::int32_t X, std::int32_t Y);

    // Pen, font and fill settings.
    virtual void SetPenColor(std::int32_t NEWCOLOR);
    virtual void SetFontColor(std::int32_t COLOR);
    virtual void SetPenWidth(std::int32_t WIDTH);
    virtual void SetPenStyle(std::uint8_t STYLE);
    virtual void SetFill(std::string_view PATTERN);

    // Screen metrics and small helpers.
    virtual std::int32_t GetDeviceCaps(std::int32_t NINDEX);
    virtual std::int32_t ColorToRGB(std::int32_t COLOR);
    virtual void ErrorTrap(std::string_view ERRORSTR, std::string_view FUNCTIONNAME);
    virtual void Log(std::string_view MESSAGE, std::int32_t MSGLEVEL);

    // Figures.
    virtual void Arc(std::int32_t X, std::int32_t Y, std::int32_t WIDTH, std::int32_t HEIGHT,
                     std::int32_t STARTANGLE, std::int32_t ENDANGLE);
    virtual void Box(std::int32_t X, std::int32_t Y, std::int32_t WIDTH, std::int32_t HEIGHT,
                     std::int32_t FILL);
    virtual void Ellipse(std::int32_t X, std::int32_t Y, std::int32_t WIDTH, std::int32_t HEIGHT,
                         std::int32_t FILL);
    virtual void Line(std::int32_t X, std::int32_t Y, std::int32_t WIDTH, std::int32_t HEIGHT);
    // ARRAY holds x1, y1, x2, y2, ...; NUMVERTICES <= 0 uses the whole array.
    virtual void Polygon(std::span<const std::int32_t> ARRAY, std::int32_t FILL,
                         std::int32_t NUMVERTICES);
    virtual void PatternLine(std::int32_t X, std::int32_t Y, std::int32_t WIDTH);
    virtual void Sphere(std::int32_t X, std::int32_t Y, std::int32_t WIDTH, std::int32_t HEIGHT,
                        std::int32_t OUTERCOLOR, std::int32_t INNERCOLOR, double XOFFSET,
                        double YOFFSET);

    // Pictures from bitmap files.
    virtual std::int32_t Image(std::int32_t X, std::int32_t Y, std::int32_t WIDTH,
                               std::int32_t HEIGHT, std::string_view FILENAME, std::int32_t FLAG,
                               std::int32_t COLORMASK);
    virtual void ImageDimensions(std::int32_t& WIDTH, std::int32_t& HEIGHT,
                                 std::string_view FILENAME);

    // Layers. Results: 1 done, 0 error (reported through ErrorTrap).
    virtual std::int32_t InitLayer(std::int32_t LAYERNUMBER, std::int32_t WIDTH,
                                   std::int32_t HEIGHT, std::int32_t XPOS, std::int32_t YPOS,
                                   std::int32_t INDEXCOLOR, std::uint8_t MODE);
    virtual std::int32_t KillLayer(std::int32_t LAYERNUMBER);
    // The layer number as decimal text.
    virtual std::int32_t WithLayer(std::string_view LAYER);
    virtual std::int32_t CopyLayer(std::int32_t SRC, std::int32_t SRCX, std::int32_t SRCY,
                                   std::int32_t SRCWIDTH, std::int32_t SRCHEIGHT,
                                   std::int32_t DEST, std::int32_t DESTX, std::int32_t DESTY);
    virtual std::int32_t ResizeLayer(std::int32_t LAYERNUM, std::int32_t WIDTH,
                                     std::int32_t HEIGHT, std::int32_t COPYDATA);
    virtual void Resize(std::int32_t WIDTH, std::int32_t HEIGHT, std::int32_t COPYDATA);
    virtual void ResizeControl();
    virtual std::int32_t LayerMode(std::int32_t LAYERNUMBER, std::uint8_t MODE);
    virtual std::int32_t SetMode(std::int32_t LAYERNUMBER, std::uint8_t MODE, std::uint8_t VALUE);
    virtual void ShowLayer(std::int32_t LAYERNUM);
    virtual void HideLayer(std::int32_t LAYERNUM);
    virtual std::int32_t IndexTransparency(std::int32_t LAYERNUMBER, std::int32_t COLOR,
                                           std::uint8_t USEINDEX);
    virtual std::int32_t MoveLayer(std::int32_t LAYERNUMBER, std::int32_t NEWPOS);
    virtual std::int32_t SwapLayers(std::int32_t LAYER1, std::int32_t LAYER2);
    virtual std::int32_t NumLayers();
    virtual std::int32_t AddAlpha(std::int32_t LAYERNUM, std::int32_t ALPHALAYER,
                                  std::uint8_t CHANNEL);
    virtual std::int32_t HasAlpha(std::int32_t LAYERNUMBER);

    // Display.
    virtual void Display();
    virtual void GetDisplay();
    virtual void Init256();
    virtual void Kill256();
    virtual void Create256();
    virtual void SwapBuffers(std::span<const std::uint8_t> BUFFER);

    // ---- State ----------------------------------------------------------
    std::int32_t Killed = 0;
    std::int32_t Logging = 0;          // reports go to the debugger output
    std::uint8_t SuppressErrors = 0;   // reports are dropped; Init sets it
    std::uint32_t Control = 0;         // image control number

    // Current drawing target: always layer ActiveLayer's buffer and sizes.
    Bytes* BitmapFileData = nullptr;   // not owned: points into Layers
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::uint8_t ZeroPad = 0;
    std::uint32_t BufferSize = 0;

    // Pen.
    std::int32_t PenColor = 0;
    std::int32_t PenWidth = 0;
    std::int32_t PenStyle = 0;         // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot
    char PenRed = 0, PenGreen = 0, PenBlue = 0;
    std::array<std::uint8_t, 325> StylePattern{};  // step n is StylePattern[n - 1]
    std::int32_t StyleLength = 0;
    std::int32_t StylePos = 0;         // next pattern step, 1-based
    std::int32_t FillColor = 0;
    std::array<std::array<std::uint8_t, 8>, 8> Pattern{};  // Pattern[i - 1][j - 1]
    std::uint8_t UsePatternFill = 0;
    std::array<std::int32_t, 1024> ThickSegment{};  // work area of the thick lines
    std::int32_t ThickPixels = 0;

    // Font (kept for drawing code that writes text).
    std::string FontName;
    std::int32_t FontColor = 0;
    std::uint8_t FontRed = 0, FontGreen = 0, FontBlue = 0;
    std::int32_t FontSize = 0;         // points
    std::int32_t FontStyle = 0;
    std::int32_t FontCharSet = 0;
    std::int32_t FontZoom = 0;

    // Screen.
    std::int32_t HScreenRes = 0, VScreenRes = 0;    // dots per inch
    double FontResMult = 0;
    std::int32_t HScreenSize = 0, VScreenSize = 0;  // pixels
    std::int32_t BitDepth = 0;

    // Layers.
    LayerRecord BaseLayer;                         // what Display composes and shows
    std::array<LayerRecord, MaxLayers> Layers{};   // layer n is Layers[n - 1]
    std::array<std::int32_t, MaxLayers> LayerOrder{};  // drawing order, zeros after the last
    std::int32_t ActiveLayer = 0;
    std::int32_t LayerCount = 0;       // layers in use; NumLayers() counts them afresh

    // Display.
    BitmapFileHeaderRecord BitmapFileHeader;
    BitmapInfoRecord BitmapInfo;
    std::uint8_t BitCount = 0;         // of the image last built: 24 or 8
    std::uint8_t Colors256 = 0;
    std::uint8_t Intialised256 = 0;
    Bytes BitmapFileData256;
    std::int32_t BufferSize256 = 0;
    std::uint8_t ZeroPad256 = 0;

protected:
    CanvasHost& Host() { return host_; }

    // Pen-coloured pixel through the pen pattern; FLAG != 0 plots (Y, X).
    virtual void Plot(std::int32_t X, std::int32_t Y, std::int32_t FLAG);
    // |I - J|; SIGN becomes -1 when I - J < 0, else 1.
    virtual std::int32_t Absolute(std::int32_t I, std::int32_t J, std::int32_t& SIGN);
    virtual void Swap(std::int32_t& A, std::int32_t& B);

    virtual void ThickLine(std::int32_t X, std::int32_t Y, std::int32_t WIDTH, std::int32_t HEIGHT);
    virtual void ThickEllipse(std::int32_t X, std::int32_t Y, std::int32_t WIDTH,
                              std::int32_t HEIGHT, std::int32_t FILL);
    virtual void MArc(std::int32_t X, std::int32_t Y, std::int32_t WIDTH, std::int32_t HEIGHT,
                      double STARTANGLE, double ENDANGLE, std::int32_t FLAG);
    virtual void MThickArc(std::int32_t X, std::int32_t Y, std::int32_t WIDTH, std::int32_t HEIGHT,
                           double STARTANGLE, double ENDANGLE, std::int32_t FLAG);
    // Thin outline line through PutPixel in the pen colour.
    virtual void SLine(std::int32_t X, std::int32_t Y, std::int32_t WIDTH, std::int32_t HEIGHT);
    virtual void SortEdgesY(std::span<EdgeRecord> EDGES);
    virtual void SortEdgesX(std::span<EdgeRecord> EDGES);
    // Removes entry POSITION (0-based); the later entries move down one place.
    virtual void DeleteEdge(std::vector<EdgeRecord>& EDGES, std::size_t POSITION);

    // Blends a rectangle already validated and clipped by CopyLayer;
    // DESTY is a stored-row number counted from 1 at the bottom.
    virtual std::int32_t AlphaCopy(std::int32_t SRC, std::int32_t SRCX, std::int32_t SRCY,
                                   std::int32_t SRCWIDTH, std::int32_t SRCHEIGHT,
                                   std::int32_t DEST, std::int32_t DESTX, std::int32_t DESTY);

private:
    CanvasHost& host_;

    // Row geometry of the width PutPixel last wrote at; recomputed only when
    // the target width changes. Kept per canvas, not per process: two
    // canvases of different widths then never evict each other.
    struct StrideCache {
        std::int32_t width = -1;
        std::size_t stride = 0;
    };
    StrideCache strideCache_;

    // Pictures read by Image, kept for the next Image of the same file.
    std::unique_ptr<bitmap::PictureCache> pictures_;
    // The opaque runs of keyed layers, kept while a layer is unchanged.
    std::unique_ptr<raster::LayerRunsCache> layerRuns_;

    // Builds the 8-bit image of a 24-bit buffer into BitmapFileData256;
    // RESOLUTION is written as pixels per metre across and down.
    void ConvertTo256(const Bytes& source, std::int32_t width, std::int32_t height, std::int32_t resolution);
};

}  // namespace canvas
