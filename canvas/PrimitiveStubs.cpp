// Placeholder bodies of the primitives not written yet.
#include "canvas/Draw.h"

namespace canvas {

void Draw::Arc(std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t) {}
void Draw::Box(std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t) {}
void Draw::Ellipse(std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t) {}
void Draw::Line(std::int32_t, std::int32_t, std::int32_t, std::int32_t) {}
void Draw::Polygon(std::span<const std::int32_t>, std::int32_t, std::int32_t) {}
void Draw::PatternLine(std::int32_t, std::int32_t, std::int32_t) {}
void Draw::Sphere(std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                  double, double) {}
std::int32_t Draw::Image(std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::string_view,
                         std::int32_t, std::int32_t) {
    return 0;
}
void Draw::ImageDimensions(std::int32_t& WIDTH, std::int32_t& HEIGHT, std::string_view) {
    WIDTH = 0;
    HEIGHT = 0;
}
void Draw::ThickLine(std::int32_t, std::int32_t, std::int32_t, std::int32_t) {}
void Draw::ThickEllipse(std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t) {}
void Draw::MArc(std::int32_t, std::int32_t, std::int32_t, std::int32_t, double, double, std::int32_t) {}
void Draw::MThickArc(std::int32_t, std::int32_t, std::int32_t, std::int32_t, double, double,
                     std::int32_t) {}
void Draw::SLine(std::int32_t, std::int32_t, std::int32_t, std::int32_t) {}
void Draw::SortEdgesY(std::span<EdgeRecord>) {}
void Draw::SortEdgesX(std::span<EdgeRecord>) {}
void Draw::DeleteEdge(std::vector<EdgeRecord>&, std::size_t) {}

}  // namespace canvas
