// Pictures from bitmap files: read whole, checked, then placed once or tiled.
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <string>
#include <string_view>

#include "canvas/BitmapFile.h"
#include "canvas/Draw.h"
#include "canvas/Paint.h"
#include "canvas/PictureCache.h"
#include "canvas/Raster.h"
#include "canvas/ReadOnlyFile.h"

namespace canvas {

using paint::Coord;

namespace {

constexpr std::string_view OpenFunction = "Image() - places and image from a file in the imagecontrol";
constexpr std::size_t MaxNameLength = 255;
constexpr std::int32_t WorkLayer = 255;
constexpr std::int32_t WorkBackground = 2;  // the working layer's transparent colour

std::string OpenFailure(std::string_view name) {
    return "Unable to open bitmap file: " + std::string(name) +
           ", file may be missing or filename may be incorrect";
}

// Trailing spaces removed, at most 255 characters.
std::string PictureName(std::string_view fileName) {
    const auto end = fileName.find_last_not_of(' ');
    fileName = end == std::string_view::npos ? std::string_view{} : fileName.substr(0, end + 1);
    return std::string(fileName.substr(0, MaxNameLength));
}

// The bytes of the file the picture can use; the file is closed on return.
// Opened for reading only: pictures installed with a program are read-only.
struct LoadedFile {
    int error = 0;
    Bytes bytes;
    bitmap::FileStamp opened;  // the file as it was opened
};
LoadedFile Load(const std::string& name) {
    LoadedFile loaded;
    ReadOnlyFile file(name);
    if (file.Error() != 0) {
        loaded.error = file.Error();
        return loaded;
    }
    loaded.opened = bitmap::FileStamp::Of(file.Info());
    if (!file.ReadStart(loaded.bytes, bitmap::HeaderSize)) {
        loaded.error = errno != 0 ? errno : EIO;
        return loaded;
    }
    const std::size_t used = bitmap::BytesUsed(loaded.bytes);
    if (used > loaded.bytes.size() && !file.ReadStart(loaded.bytes, used))
        loaded.error = errno != 0 ? errno : EIO;
    return loaded;
}

// Covers the area (x, y, w, h) of the current target with copies of the
// picture, through the hidden working layer 255 whose background colour is
// transparent: keyed-out pixels then show the target beneath. Copies are
// lined up on the area's top-left corner, also where the canvas cuts it.
template <class PlaceFn>
std::int32_t Tile(Draw& canvas, const bitmap::Picture& picture, Coord x, Coord y, Coord w, Coord h,
                  PlaceFn place) {
    paint::Normalise(x, y, w, h);
    if (x > canvas.Width || y > canvas.Height) return 1;
    const Coord left = std::max<Coord>(x, 1), right = std::min<Coord>(x + w - 1, canvas.Width);
    const Coord top = std::max<Coord>(y, 1), bottom = std::min<Coord>(y + h - 1, canvas.Height);
    if (left > right || top > bottom || picture.width == 0 || picture.height == 0) return 0;
    const auto areaWidth = static_cast<std::int32_t>(right - left + 1);
    const auto areaHeight = static_cast<std::int32_t>(bottom - top + 1);

    const std::int32_t previous = canvas.ActiveLayer;
    const LayerRecord& work = canvas.Layers[WorkLayer - 1];
    if (!work.Init || work.Width != areaWidth || work.Height != areaHeight)
        canvas.InitLayer(WorkLayer, areaWidth, areaHeight, 1, 1, -1, 0);
    canvas.IndexTransparency(WorkLayer, WorkBackground, 1);
    canvas.HideLayer(WorkLayer);
    canvas.WithLayer(std::to_string(WorkLayer));
    canvas.Blank(WorkBackground);
    const raster::View target = raster::Target(canvas);
    for (Coord ty = 1 + (y - top) % picture.height; ty <= areaHeight; ty += picture.height)
        for (Coord tx = 1 + (x - left) % picture.width; tx <= areaWidth; tx += picture.width)
            place(target, tx, ty);
    canvas.WithLayer(std::to_string(previous));
    canvas.CopyLayer(WorkLayer, 1, 1, areaWidth, areaHeight, previous, static_cast<std::int32_t>(left),
                     static_cast<std::int32_t>(top));
    return 0;
}

}  // namespace

std::int32_t Draw::Image(std::int32_t X, std::int32_t Y, std::int32_t WIDTH, std::int32_t HEIGHT,
                         std::string_view FILENAME, std::int32_t FLAG, std::int32_t COLORMASK) {
    const std::string name = PictureName(FILENAME);
    // A picture read before from the same, unchanged file costs one stat.
    if (!pictures_) pictures_ = std::make_unique<bitmap::PictureCache>();
    bitmap::FileStamp stamp;
    std::shared_ptr<bitmap::LoadedPicture> loaded = pictures_->Find(name, stamp);
    if (!loaded) {
        LoadedFile file = Load(name);
        if (file.error != 0) {
            ErrorTrap(OpenFailure(name), OpenFunction);
            return file.error;
        }
        // A file that changed between the look and the opening is not kept.
        if (!(file.opened == stamp)) stamp = {};
        loaded = pictures_->Keep(std::move(file.bytes), stamp);
    }
    const bitmap::Reading& reading = loaded->Result();
    switch (reading.fault) {
    case bitmap::Fault::NotBitmap:
        ErrorTrap(name + " is not a valid image file, or is of an unknown type", "Image");
        return 0;
    case bitmap::Fault::UnsupportedDepth:
        ErrorTrap("Sorry, but " + name + " contains an unsupported number of colors.", "Image");
        return 0;
    case bitmap::Fault::BadSize:
        ErrorTrap(name + " has a width or height that cannot be drawn.", "Image");
        return 0;
    case bitmap::Fault::None:
    case bitmap::Fault::Truncated:
        break;
    }

    // A 24-bit picture with a mask is placed by its opaque runs, found once.
    const bitmap::Picture& picture = reading.picture;
    const bool keyed = picture.bitsPerPixel == 24 && COLORMASK >= 0 && COLORMASK <= 0xFFFFFF;
    const bitmap::OpaqueRuns* runs = keyed ? &loaded->RunsFor(COLORMASK) : nullptr;
    const auto place = [&](const raster::View& target, Coord x, Coord y) {
        if (runs != nullptr)
            bitmap::PlaceRuns(picture, *runs, target, x, y);
        else
            bitmap::Place(picture, target, x, y, COLORMASK);
    };
    std::int32_t result = 0;
    if (FLAG == 1 && WIDTH != 0 && HEIGHT != 0)
        result = Tile(*this, picture, X, Y, WIDTH, HEIGHT, place);
    else
        place(raster::Target(*this), X, Y);
    if (reading.fault == bitmap::Fault::Truncated)
        ErrorTrap(name + " is shorter than its header says, only the rows it holds were drawn.", "Image");
    return result;
}

void Draw::ImageDimensions(std::int32_t& WIDTH, std::int32_t& HEIGHT, std::string_view FILENAME) {
    // What a failed call leaves.
    WIDTH = 0;
    HEIGHT = 0;
    ReadOnlyFile file(PictureName(FILENAME));
    if (file.Error() != 0) {
        ErrorTrap(OpenFailure(FILENAME), OpenFunction);
        return;
    }
    Bytes header;
    std::int32_t width = 0, height = 0;
    if (!file.ReadStart(header, bitmap::HeaderSize) || !bitmap::Dimensions(header, width, height)) {
        ErrorTrap("Not a BMP file", "Image");
        return;
    }
    WIDTH = width;
    HEIGHT = height;
}

}  // namespace canvas
