#include "runtime/backends/headless/DrawnRadios.h"

#include <algorithm>
#include <map>
#include <sstream>

namespace runtime {

namespace {

bool Meet(const Rect& a, const Rect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

std::string Describe(const Rect& r) {
    std::ostringstream text;
    text << r.width << "x" << r.height << " at " << r.x << "," << r.y;
    return text.str();
}

struct Button {
    const ControlDefinition* def;
    Rect drawn;   // frame pixels
    Rect placed;  // dialog units, a default size taken as the group's given one
};

// Whether a pixel's colour is the same all along the ring `inset` pixels inside `r`.
bool RingIsOneColour(const Image& frame, const Rect& r, int inset) {
    const int x0 = r.x + inset, y0 = r.y + inset, x1 = r.x + r.width - 1 - inset,
              y1 = r.y + r.height - 1 - inset;
    const std::uint32_t colour = frame.At(x0, y0);
    for (int x = x0; x <= x1; ++x)
        if (frame.At(x, y0) != colour || frame.At(x, y1) != colour) return false;
    for (int y = y0; y <= y1; ++y)
        if (frame.At(x0, y) != colour || frame.At(x1, y) != colour) return false;
    return true;
}

}  // namespace

std::vector<std::string> RadioGridFaults(Window& window, ControlId group) {
    std::vector<std::string> faults;
    const Image& frame = window.Frame();
    std::vector<Button> buttons;
    std::map<std::pair<int, int>, int> given;
    for (const ControlDefinition& d : window.Definition().controls)
        if (d.kind == ControlKind::Radio && d.parent == ToInt(group) && d.width != DefaultSize &&
            d.height != DefaultSize)
            ++given[{d.width, d.height}];
    const auto common =
        std::max_element(given.begin(), given.end(),
                         [](const auto& a, const auto& b) { return a.second < b.second; });
    for (const ControlDefinition& d : window.Definition().controls) {
        if (d.kind != ControlKind::Radio || d.parent != ToInt(group)) continue;
        const int w = d.width != DefaultSize  ? d.width
                      : common != given.end() ? common->first.first
                                              : 0;
        const int h = d.height != DefaultSize ? d.height
                      : common != given.end() ? common->first.second
                                              : 0;
        buttons.push_back(
            {&d, window.FrameRect(static_cast<ControlId>(d.number)), {d.x, d.y, w, h}});
    }
    if (buttons.empty()) return {"the group has no radios"};

    for (const Button& b : buttons) {
        const Rect& r = b.drawn;
        if (r.x < 0 || r.y < 0 || r.x + r.width > frame.width || r.y + r.height > frame.height ||
            r.width < 4 || r.height < 4)
            return {std::string(b.def->label) + " lies outside the frame: " + Describe(r)};
        if (r.width != buttons.front().drawn.width || r.height != buttons.front().drawn.height)
            faults.push_back(std::string(b.def->label) + " is " + Describe(r) + ", " +
                             std::string(buttons.front().def->label) + " is " +
                             Describe(buttons.front().drawn));
    }
    for (std::size_t i = 0; i < buttons.size(); ++i)
        for (std::size_t j = i + 1; j < buttons.size(); ++j)
            if (Meet(buttons[i].drawn, buttons[j].drawn) &&
                !Meet(buttons[i].placed, buttons[j].placed))
                faults.push_back(std::string(buttons[i].def->label) + " and " +
                                 std::string(buttons[j].def->label) + " overlap: " +
                                 Describe(buttons[i].drawn) + ", " + Describe(buttons[j].drawn));

    // The edges as drawn: a corner a neighbour covers by the definition's own
    // overlap is not asked for.
    const auto coveredByAnother = [&](const Button& b, Point p) {
        return std::any_of(buttons.begin(), buttons.end(), [&](const Button& other) {
            return &other != &b && other.drawn.Contains(p);
        });
    };
    const ControlId chosen = window.Choice(group);
    std::map<std::uint32_t, int> lights, darks;
    for (const Button& b : buttons) {
        const Rect& r = b.drawn;
        if (static_cast<ControlId>(b.def->number) == chosen) {
            if (!RingIsOneColour(frame, r, 0) || !RingIsOneColour(frame, r, 1))
                faults.push_back(std::string(b.def->label) +
                                 " is chosen, but its frame is not whole");
            continue;
        }
        const Point topLeft{r.x, r.y}, bottomRight{r.x + r.width - 1, r.y + r.height - 1};
        if (!coveredByAnother(b, topLeft)) ++lights[frame.At(topLeft.x, topLeft.y)];
        if (!coveredByAnother(b, bottomRight)) ++darks[frame.At(bottomRight.x, bottomRight.y)];
    }
    if (lights.size() > 1 || darks.size() > 1)
        faults.push_back("the raised buttons' corners differ: " + std::to_string(lights.size()) +
                         " top-left and " + std::to_string(darks.size()) + " bottom-right colours");
    if (!lights.empty() && !darks.empty() && lights.begin()->first == darks.begin()->first)
        faults.push_back("the raised buttons show no edge");
    return faults;
}

}  // namespace runtime
