#include "shapor/ShapeScene.h"

#include <algorithm>
#include <utility>

#include "shapor/PictureBounds.h"

namespace shapor {

namespace {
constexpr std::int32_t White = 0xFFFFFF;
constexpr std::int32_t AnyColour = 0xFFFFFF;  // random colours are 0 .. AnyColour
constexpr std::int32_t PlaceOnce = -1;        // Image's FLAG: no tiling
}  // namespace

ShapeScene::ShapeScene(Variables& variables, canvas::Draw& drawer, runtime::Random& random,
                       std::filesystem::path folder)
    : v_(variables),
      Drawer1(drawer),
      random_(random),
      folder_(std::move(folder)),
      placement_(random) {}

void ShapeScene::DrawShapes1() {
    Drawer1.Blank(White);
    Drawer1.Display();

    const KindInfo& kind = Kinds[static_cast<std::size_t>(R(FirstKind, LastKind) - 1)];
    v_.LocShape = kind.name;

    MeasurePictures(kind);
    const auto placed =
        placement_.Place({Drawer1.Width, Drawer1.Height}, kind.kind, NominalSize(kind), v_.N1);
    const runtime::Size size = placed.size;
    for (const runtime::Point p : placed.at) {
        switch (kind.kind) {
            case ShapeKind::Circle:
                Drawer1.Sphere(p.x, p.y, size.width, size.height, R(0, AnyColour), 0, 1.0, 0.0);
                break;
            case ShapeKind::Square:
                Drawer1.Box(p.x, p.y, size.width, size.height, R(0, AnyColour));
                break;
            case ShapeKind::Ellipse:
                Drawer1.Ellipse(p.x, p.y, size.width, size.height, R(0, AnyColour));
                break;
            case ShapeKind::Triangle:
                DrawTriangle(p, size);
                break;
            default: {
                const int j = R(1, static_cast<int>(kind.pictures.size()));
                const auto index = static_cast<std::size_t>(j - 1);
                // The showing part goes where the placement put the object;
                // white is the pictures' ground, and the scene shows through it.
                const runtime::Rect inked = inked_[index].value_or(runtime::Rect{});
                Drawer1.Image(p.x - inked.x, p.y - inked.y, 0, 0, PicturePath(kind.pictures[index]),
                              PlaceOnce, White);
                break;
            }
        }
        Drawer1.Display();
    }
}

void ShapeScene::DrawTriangle(runtime::Point at, runtime::Size size) {
    const std::int32_t x1 = at.x;
    const std::int32_t y1 = at.y + size.height;
    const std::int32_t halfBase = size.width / 2;
    // Left base corner, apex, right base corner.
    v_.TriangleArray = {x1, y1, x1 + halfBase, y1 - size.height, x1 + 2 * halfBase, y1};
    Drawer1.SetPenColor(R(0, AnyColour));  // the outline; it stays the pen colour afterwards
    Drawer1.Polygon(v_.TriangleArray, R(0, AnyColour), 0);
    Drawer1.Display();
}

void ShapeScene::MeasurePictures(const KindInfo& kind) {
    inked_.clear();
    for (const std::string_view file : kind.pictures)
        inked_.push_back(InkedBounds(PicturePath(file)));
}

std::string ShapeScene::PicturePath(std::string_view file) const {
    return folder_.empty() ? std::string(file) : (folder_ / file).string();
}

runtime::Size ShapeScene::NominalSize(const KindInfo& kind) const {
    if (kind.pictures.empty()) return kind.nominal;
    runtime::Size largest{0, 0};
    for (const auto& inked : inked_) {
        if (inked)
            largest = {std::max(largest.width, inked->width),
                       std::max(largest.height, inked->height)};
    }
    // Pictures that cannot be read draw nothing; plan for the largest allowed.
    if (largest.width <= 0 || largest.height <= 0) return LargestPicture;
    return largest;
}

}  // namespace shapor
