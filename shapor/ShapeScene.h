#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "canvas/Draw.h"
#include "runtime/Services.h"
#include "runtime/Types.h"
#include "shapor/Problem.h"
#include "shapor/ScenePlacement.h"
#include "shapor/ShapeKind.h"

namespace shapor {

// The scene on the drawing surface: N1 objects of one random kind, each in
// its own random colour or picture, shown one by one as they are drawn.
class ShapeScene {
public:
    // All three must outlive the scene. The pictures are read from `folder`
    // (empty: the working folder).
    ShapeScene(Variables& variables, canvas::Draw& drawer, runtime::Random& random,
               std::filesystem::path folder = {});

    // Clears the surface and draws a new scene of N1 objects.
    void DrawShapes1();

private:
    // One triangle pointing up, its box's top-left at `at`: base size.width,
    // height size.height.
    void DrawTriangle(runtime::Point at, runtime::Size size);
    // The part of each of the kind's pictures that shows (none for the drawn kinds).
    void MeasurePictures(const KindInfo& kind);
    // How big the kind's objects are: the drawn size, or the largest showing part of its pictures.
    runtime::Size NominalSize(const KindInfo& kind) const;
    std::string PicturePath(std::string_view file) const;
    int R(int low, int high) { return random_.Between(low, high); }

    Variables& v_;
    canvas::Draw& Drawer1;
    runtime::Random& random_;
    const std::filesystem::path folder_;
    ScenePlacement placement_;
    std::vector<std::optional<runtime::Rect>> inked_;  // of the current kind's pictures
};

}  // namespace shapor
