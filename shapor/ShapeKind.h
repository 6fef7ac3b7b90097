#pragma once

#include <array>
#include <span>
#include <string_view>

#include "runtime/Types.h"

namespace shapor {

// The kinds of object a scene is made of, numbered as R(1, 9) draws them.
enum class ShapeKind {
    Circle = 1,
    Square,
    Ellipse,
    Triangle,
    Star,
    Dinosaur,
    Cube,
    Pyramid,
    Coins
};

constexpr int FirstKind = 1;
constexpr int LastKind = 9;

struct KindInfo {
    ShapeKind kind;
    std::string_view name;  // the value of Loc:Shape
    // Drawn kinds: the size handed to the drawing call (a triangle: base and
    // height). Pictures have their own size.
    runtime::Size nominal;
    std::span<const std::string_view> pictures;  // empty for the drawn kinds
};

namespace detail {
constexpr std::array<std::string_view, 4> Stars{"star1.bmp", "star2.bmp", "star3.bmp", "star4.bmp"};
constexpr std::array<std::string_view, 3> Dinosaurs{"dino1.bmp", "dino2.bmp", "dino3.bmp"};
constexpr std::array<std::string_view, 1> Cubes{"rubik.bmp"};
constexpr std::array<std::string_view, 4> Pyramids{"pyramid.bmp", "pyramid2.bmp", "pyramid3.bmp",
                                                   "pyramid4.bmp"};
constexpr std::array<std::string_view, 3> Coins{"penny.bmp", "nickel.bmp", "quarter.bmp"};
}  // namespace detail

// Scene pictures are at most this big; planned for when none of a kind can be read.
constexpr runtime::Size LargestPicture{32, 32};

constexpr std::array<KindInfo, 9> Kinds{{
    {ShapeKind::Circle, "circle", {40, 40}, {}},
    {ShapeKind::Square, "square", {40, 40}, {}},
    {ShapeKind::Ellipse, "ellipse", {20, 40}, {}},
    {ShapeKind::Triangle, "triangle", {50, 25}, {}},
    {ShapeKind::Star, "star", LargestPicture, detail::Stars},
    {ShapeKind::Dinosaur, "dinosaur", LargestPicture, detail::Dinosaurs},
    {ShapeKind::Cube, "cube", LargestPicture, detail::Cubes},
    {ShapeKind::Pyramid, "pyramid", LargestPicture, detail::Pyramids},
    {ShapeKind::Coins, "coins", LargestPicture, detail::Coins},
}};

constexpr const KindInfo& Info(ShapeKind kind) {
    return Kinds[static_cast<int>(kind) - 1];
}
constexpr bool IsPicture(ShapeKind kind) {
    return !Info(kind).pictures.empty();
}

// The pixels an object of this size covers, from the top-left of its box:
// ellipses and spheres lose the last column and row of an even size, a
// triangle's base and apex rows and both base corners are drawn.
constexpr runtime::Size Extent(ShapeKind kind, runtime::Size size) {
    switch (kind) {
        case ShapeKind::Circle:
        case ShapeKind::Ellipse:
            return {2 * ((size.width - 1) / 2) + 1, 2 * ((size.height - 1) / 2) + 1};
        case ShapeKind::Triangle:
            return {size.width + 1, size.height + 1};
        default:
            return size;
    }
}

}  // namespace shapor
