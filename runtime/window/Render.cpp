// Incremental rendering: changes mark rectangles of the frame dirty; a render
// repaints only those, drawing the controls that meet them in definition order.
#include <algorithm>
#include <cmath>

#include "runtime/render/Scaling.h"
#include "runtime/window/WindowImpl.h"

namespace runtime {

using render::Intersect;
using render::IsEmpty;
using render::Union;

namespace {
// Past this many separate rectangles one repaint of their union is cheaper.
constexpr std::size_t MaxDirtyRects = 48;

long long Area(const Rect& r) { return static_cast<long long>(r.width) * r.height; }
}  // namespace

int Window::Impl::Px(double pixels96) const {
    return std::max(1, static_cast<int>(std::lround(pixels96 * scale)));
}

Rect Window::Impl::DropDownRect() const {
    if (openMenu < 0) return {};
    Rect box;
    for (int item : controls[static_cast<std::size_t>(openMenu)].children)
        box = Union(box, controls[static_cast<std::size_t>(item)].rect);
    if (IsEmpty(box)) return {};
    // The frame and the shadow around the items.
    return render::Inflate(ToFrame({box.x - 1, box.y - 1, box.width + 2, box.height + 2}), Px(3));
}

Rect Window::Impl::PaintBounds(int index) const {
    const window::ControlState& c = controls[static_cast<std::size_t>(index)];
    if (c.Kind() == ControlKind::Line) {
        // Line ends are points; the pen spreads around them.
        const Rect ends = ToFrame({std::min(c.rect.x, c.rect.x + c.rect.width), std::min(c.rect.y, c.rect.y + c.rect.height),
                                   std::abs(c.rect.width), std::abs(c.rect.height)});
        return render::Inflate(ends, Px(c.def->lineWidth) / 2 + 2);
    }
    return c.frameRect;
}

void Window::Impl::MarkRect(const Rect& area) {
    Rect r = Intersect(area, {0, 0, frame.width, frame.height});
    if (IsEmpty(r)) return;
    // Merge with neighbours when little would be repainted twice or in vain.
    for (bool merged = true; merged;) {
        merged = false;
        for (std::size_t i = 0; i < dirty.size(); ++i) {
            const Rect u = Union(dirty[i], r);
            if (Area(u) * 4 <= (Area(dirty[i]) + Area(r)) * 5 || !IsEmpty(Intersect(dirty[i], r))) {
                r = u;
                dirty.erase(dirty.begin() + static_cast<std::ptrdiff_t>(i));
                merged = true;
                break;
            }
        }
    }
    dirty.push_back(r);
    if (dirty.size() > MaxDirtyRects) MarkAll();
}

void Window::Impl::MarkAll() {
    dirty.assign(1, Rect{0, 0, frame.width, frame.height});
}

void Window::Impl::MarkDirty(int index) {
    MarkRect(PaintBounds(index));
    for (int child : controls[static_cast<std::size_t>(index)].children) {
        const ControlKind kind = controls[static_cast<std::size_t>(child)].Kind();
        if (kind != ControlKind::MenuItem && kind != ControlKind::MenuSeparator) MarkDirty(child);
    }
}

bool Window::Impl::RenderDirty() {
    if (dirty.empty()) return false;
    for (const Rect& area : dirty) Repaint(area);
    unpresented.insert(unpresented.end(), dirty.begin(), dirty.end());
    dirty.clear();
    return true;
}

void Window::Impl::Repaint(const Rect& area) {
    render::Painter background(frame, area);
    background.Fill(area, window::WindowBackground);
    for (int i = 0; i < static_cast<int>(controls.size()); ++i) {
        const ControlKind kind = controls[static_cast<std::size_t>(i)].Kind();
        if (kind == ControlKind::Menu || kind == ControlKind::MenuItem || kind == ControlKind::MenuSeparator) continue;
        const Rect bounds = Intersect(PaintBounds(i), area);
        if (IsEmpty(bounds) || !IsShown(i)) continue;
        render::Painter p(frame, bounds);
        DrawControl(p, i);
    }
    if (menuBar > 0) {
        const Rect bar = Intersect({0, 0, frame.width, Px(menuBar)}, area);
        if (!IsEmpty(bar)) {
            render::Painter p(frame, bar);
            DrawMenuBar(p);
        }
    }
    if (openMenu >= 0) {
        const Rect drop = Intersect(DropDownRect(), area);
        if (!IsEmpty(drop)) {
            render::Painter p(frame, drop);
            DrawDropDown(p);
        }
    }
}

void Window::Impl::PresentIfOpen() {
    RenderDirty();
    if (!open || unpresented.empty()) return;
    runtime.platform().PresentChanged(frame, unpresented);
    unpresented.clear();
}

Size Window::Impl::PictureSizeAtScale(const Image& picture) const {
    if (scale == 1.0) return {picture.width, picture.height};
    return {std::max(1, static_cast<int>(std::lround(picture.width * scale))),
            std::max(1, static_cast<int>(std::lround(picture.height * scale)))};
}

void Window::Impl::BlitPicture(render::Painter& p, const std::shared_ptr<const Image>& picture,
                               int x, int y, const Rect& clip) {
    if (scale == 1.0) {
        p.Blit(*picture, x, y, clip);
        return;
    }
    const Size full = PictureSizeAtScale(*picture);
    // Cut to the control only, not to the area being repainted, so each
    // control keeps asking for the same part.
    const Rect shown = render::Intersect({x, y, full.width, full.height}, clip);
    if (render::IsEmpty(shown)) return;
    const Rect part{shown.x - x, shown.y - y, shown.width, shown.height};
    auto hit = std::find_if(
        scaledPictures.begin(), scaledPictures.end(),
        [&](const ScaledPicture& s) { return s.part == part && s.source.lock() == picture; });
    if (hit == scaledPictures.end()) {
        // Parts of pictures no control shows any more go first; a handful of
        // parts is all a window ever shows at once.
        constexpr std::size_t MostParts = 256;
        std::erase_if(scaledPictures, [](const ScaledPicture& s) { return s.source.expired(); });
        if (scaledPictures.size() >= MostParts) scaledPictures.erase(scaledPictures.begin());
        scaledPictures.push_back(
            {picture, part, render::ScaleBilinear(*picture, full.width, full.height, part)});
        hit = scaledPictures.end() - 1;
    }
    p.Blit(hit->scaled, shown.x, shown.y, clip);
}

}  // namespace runtime
