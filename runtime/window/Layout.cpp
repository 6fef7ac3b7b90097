// Dialog units, natural sizes and the window's scale.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <map>

#include "runtime/window/WindowImpl.h"

namespace runtime {

using window::ControlState;

namespace {

// The window font when a definition gives none.
constexpr std::string_view DefaultFace = "Arial";
constexpr int DefaultPoints = 8;

constexpr std::string_view Alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// a * b / c rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c) {
    return static_cast<int>(std::lround(static_cast<double>(a) * b / c));
}

render::Font* MeasureFont(const window::ControlFont& f) {
    return render::FontCache::Shared().Get(f.face, f.bold, render::PixelSizeFor(f.points, 1.0));
}

}  // namespace

int Window::Impl::UnitsToPixelsX(int units) const { return MulDiv(units, baseX, 4); }
int Window::Impl::UnitsToPixelsY(int units) const { return MulDiv(units, baseY, 8); }

void Window::Impl::ResolveFonts() {
    windowFont.face = def.font.face.empty() ? std::string(DefaultFace) : std::string(def.font.face);
    windowFont.points = def.font.points > 0 ? def.font.points : DefaultPoints;
    windowFont.bold = def.font.bold;
    windowFont.argb = def.font.colour >= 0 ? render::ToArgb(def.font.colour) : 0xFF000000;
    for (ControlState& c : controls) {
        const FontSpec& f = c.def->font;
        c.font.face = f.face.empty() ? windowFont.face : std::string(f.face);
        c.font.points = f.points > 0 ? f.points : windowFont.points;
        c.font.bold = f.bold;
        c.font.argb = f.colour >= 0 ? render::ToArgb(f.colour) : windowFont.argb;
    }
}

Size Window::Impl::NaturalSize(const ControlState& c) const {
    render::Font* font = MeasureFont(c.font);
    const int lineHeight = font ? font->Height() : render::PixelSizeFor(c.font.points, 1.0);
    auto width = [&](std::string_view text) { return font ? font->TextWidth(text) : 0; };
    const std::string_view text = c.def->text;
    switch (c.Kind()) {
    case ControlKind::Radio:
        if (c.pictureRadio) {
            const Size picture = c.picture ? Size{c.picture->width, c.picture->height} : Size{16, 16};
            return {picture.width + 6, picture.height + 6};  // the push-like border
        }
        return {13 + 5 + width(text) + 2, std::max(13, lineHeight) + 2};
    case ControlKind::Display: {
        const int positions = window::NumberPositions(c.def->picture);
        if (positions > 0) return {width("-") + (positions - 1) * width("0"), lineHeight};
        const std::string_view picture = c.def->picture;
        int chars = 1;
        if (picture.size() > 1 && (picture[0] == 's' || picture[0] == 'S'))
            chars = std::max(1, std::atoi(std::string(picture.substr(1)).c_str()));
        return {chars * width("M"), lineHeight};
    }
    case ControlKind::String:
    case ControlKind::Prompt:
        return {width(text), lineHeight};
    case ControlKind::Button:
        return {width(text) + 16, lineHeight + 10};
    case ControlKind::Image:
        return c.picture ? Size{c.picture->width, c.picture->height} : Size{};
    default:
        return {};
    }
}

double Window::Impl::ChooseScale() const {
    const double asked = runtime.platform().DisplayScale();
    if (asked > 0) return asked;
    // The largest quarter step at which the window takes at most three
    // quarters of the usable screen; below 1 only when even 1 does not fit.
    const Rect usable = runtime.platform().Screen().usable;
    const double room = 0.75;
    auto fits = [&](double s) {
        return client.width * s <= usable.width * room && (client.height + menuBar) * s <= usable.height * room;
    };
    if (!fits(1.0)) {
        for (double s = 0.75; s >= 0.5; s -= 0.25)
            if (fits(s)) return s;
        return 0.5;
    }
    double best = 1.0;
    for (double s = 1.25; s <= 8.0; s += 0.25) {
        if (!fits(s)) break;
        best = s;
    }
    return best;
}

Rect Window::Impl::ToFrame(const Rect& r) const {
    const auto at = [this](double v) { return static_cast<int>(std::lround(v * scale)); };
    const int x0 = at(r.x), y0 = at(r.y + menuBar);
    const int x1 = at(r.x + r.width), y1 = at(r.y + menuBar + r.height);
    return {x0, y0, x1 - x0, y1 - y0};
}

Point Window::Impl::ClientFromFrame(Point f) const {
    return {static_cast<int>(std::floor(f.x / scale)), static_cast<int>(std::floor(f.y / scale)) - menuBar};
}

Point Window::Impl::FrameFromClient(Point p) const {
    // The middle of the frame pixels that show this client pixel.
    return {static_cast<int>(std::floor((p.x + 0.5) * scale)),
            static_cast<int>(std::floor((p.y + menuBar + 0.5) * scale))};
}

Size Window::Impl::FrameSize() const {
    return {static_cast<int>(std::lround(client.width * scale)),
            static_cast<int>(std::lround((client.height + menuBar) * scale))};
}

void Window::Impl::LayoutMenus() {
    render::Font* font = render::FontCache::Shared().Get("Arial", false, render::PixelSizeFor(9, 1.0));
    auto width = [&](std::string_view text) { return font ? font->TextWidth(window::MenuLabel(text).first) : 0; };
    int x = 2;
    for (ControlState& menu : controls) {
        if (menu.Kind() != ControlKind::Menu) continue;
        menu.rect = {x, -menuBar, width(menu.def->text) + 14, menuBar};
        x += menu.rect.width;
        // The drop-down opens below its title.
        int itemsWidth = 120, y = 1;
        for (int child : menu.children) itemsWidth = std::max(itemsWidth, width(controls[child].def->text) + 48);
        for (int child : menu.children) {
            ControlState& item = controls[child];
            const int h = item.Kind() == ControlKind::MenuSeparator ? window::MenuSeparatorHeight : window::MenuItemHeight;
            item.rect = {menu.rect.x + 1, y, itemsWidth - 2, h};
            y += h;
        }
    }
}

// A radio of default size takes the size its option group gives it: the size
// the group's other radios of its kind are given, or else no more than the
// pitch of the group's rows and columns, so that it covers no neighbour. A
// radio without neighbours keeps its natural size.
void Window::Impl::FitRadiosToTheirGroups() {
    for (const ControlState& group : controls) {
        if (group.Kind() != ControlKind::OptionGroup) continue;
        for (const bool pictures : {true, false}) {
            std::vector<int> radios;
            for (int i : group.children) {
                const ControlState& c = controls[static_cast<std::size_t>(i)];
                if (c.Kind() == ControlKind::Radio && c.pictureRadio == pictures) radios.push_back(i);
            }
            std::map<std::pair<int, int>, int> givenSizes;  // in dialog units, and how many radios have it
            int pitchX = INT_MAX, pitchY = INT_MAX;
            for (int i : radios) {
                const ControlState& a = controls[static_cast<std::size_t>(i)];
                if (a.def->width != DefaultSize && a.def->height != DefaultSize)
                    ++givenSizes[{a.def->width, a.def->height}];
                for (int j : radios) {
                    const Rect &p = a.rect, &q = controls[static_cast<std::size_t>(j)].rect;
                    if (q.y < p.y + p.height && p.y < q.y + q.height && q.x > p.x) pitchX = std::min(pitchX, q.x - p.x);
                    if (q.x < p.x + p.width && p.x < q.x + q.width && q.y > p.y) pitchY = std::min(pitchY, q.y - p.y);
                }
            }
            const auto common = std::max_element(givenSizes.begin(), givenSizes.end(),
                                                 [](const auto& a, const auto& b) { return a.second < b.second; });
            if (common == givenSizes.end()) {
                for (int i : radios) {
                    ControlState& radio = controls[static_cast<std::size_t>(i)];
                    if (radio.def->width == DefaultSize) radio.rect.width = std::min(radio.rect.width, pitchX);
                    if (radio.def->height == DefaultSize) radio.rect.height = std::min(radio.rect.height, pitchY);
                }
                continue;
            }
            // The radios of the common size get one size in pixels: the
            // smallest that any of them spans from its left (top) edge to its
            // right (bottom) edge, so that rounding lets none of them reach
            // into a neighbour it only touches in dialog units.
            const auto [unitsX, unitsY] = common->first;
            const auto ofCommonSize = [&](const ControlDefinition& d) {
                return (d.width == DefaultSize || d.width == unitsX) && (d.height == DefaultSize || d.height == unitsY);
            };
            int width = INT_MAX, height = INT_MAX;
            for (int i : radios) {
                const ControlState& radio = controls[static_cast<std::size_t>(i)];
                if (!ofCommonSize(*radio.def)) continue;
                width = std::min(width, UnitsToPixelsX(radio.def->x + unitsX) - radio.rect.x);
                height = std::min(height, UnitsToPixelsY(radio.def->y + unitsY) - radio.rect.y);
            }
            for (int i : radios) {
                ControlState& radio = controls[static_cast<std::size_t>(i)];
                if (!ofCommonSize(*radio.def)) continue;
                radio.rect.width = width;
                radio.rect.height = height;
            }
        }
    }
}

void Window::Impl::Layout() {
    ResolveFonts();
    if (render::Font* font = MeasureFont(windowFont)) {
        // As the platform does: the average of the 52 letters, rounded, and the font's height.
        baseX = (font->TextWidth(Alphabet) / 26 + 1) / 2;
        baseY = font->Height();
    } else {
        const int em = render::PixelSizeFor(windowFont.points, 1.0);
        baseX = std::max(1, static_cast<int>(std::lround(em * 0.5)));
        baseY = std::max(1, static_cast<int>(std::lround(em * 1.15)));
    }
    client = {UnitsToPixelsX(def.width), UnitsToPixelsY(def.height)};
    menuBar = std::any_of(controls.begin(), controls.end(),
                          [](const ControlState& c) { return c.Kind() == ControlKind::Menu; })
                  ? window::MenuBarHeight
                  : 0;

    for (ControlState& c : controls) {
        const ControlDefinition& d = *c.def;
        if (d.kind == ControlKind::Menu || d.kind == ControlKind::MenuItem || d.kind == ControlKind::MenuSeparator)
            continue;
        const Size natural = (d.width == DefaultSize || d.height == DefaultSize) ? NaturalSize(c) : Size{};
        const bool isLine = d.kind == ControlKind::Line;
        const int w = d.width == DefaultSize ? (isLine ? 0 : natural.width) : UnitsToPixelsX(d.width);
        const int h = d.height == DefaultSize ? (isLine ? 0 : natural.height) : UnitsToPixelsY(d.height);
        c.rect = {UnitsToPixelsX(d.x), UnitsToPixelsY(d.y), w, h};
    }
    FitRadiosToTheirGroups();
    LayoutMenus();

    scale = ChooseScale();
    for (ControlState& c : controls) {
        c.frameRect = ToFrame(c.rect);
        c.font.atScale = render::FontCache::Shared().Get(c.font.face, c.font.bold,
                                                         render::PixelSizeFor(c.font.points, scale));
        // Text of natural size gets room for all its ink at this scale: hinted
        // glyphs at a larger size can come out wider than the size measured
        // at 1, scaled, and a round last letter reaches past its advance.
        const bool text = c.Kind() == ControlKind::String || c.Kind() == ControlKind::Prompt;
        if (text && c.font.atScale != nullptr) {
            if (c.def->width == DefaultSize)
                c.frameRect.width = std::max(c.frameRect.width, c.font.atScale->InkWidth(c.def->text));
            if (c.def->height == DefaultSize)
                c.frameRect.height = std::max(c.frameRect.height, c.font.atScale->Height());
        }
    }
    const Size frameSize = FrameSize();
    frame = Image(frameSize.width, frameSize.height, window::WindowBackground);
    MarkAll();
}

}  // namespace runtime
