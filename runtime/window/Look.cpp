// How each kind of control is drawn: a calm light-grey desktop look.
#include <algorithm>
#include <sstream>

#include "runtime/window/WindowImpl.h"

namespace runtime {

using render::Inflate;
using window::ControlState;

namespace {

constexpr std::uint32_t Light = 0xFFFFFFFF;
constexpr std::uint32_t Shadow = 0xFFA0A0A0;
constexpr std::uint32_t DarkShadow = 0xFF696969;
constexpr std::uint32_t ButtonFace = 0xFFE1E1E1;
constexpr std::uint32_t PressedFace = 0xFFCCCCCC;
constexpr std::uint32_t ChosenFace = 0xFFCCE4F7;
constexpr std::uint32_t ChosenEdge = 0xFF005499;
constexpr std::uint32_t FocusDots = 0xFF000000;
constexpr std::uint32_t MenuBarFace = 0xFFF8F8F8;
constexpr std::uint32_t MenuLine = 0xFFD0D0D0;
constexpr std::uint32_t MenuText = 0xFF000000;
constexpr std::uint32_t Text = 0xFF000000;

render::Font* MenuFont(double scale) {
    return render::FontCache::Shared().Get("Arial", false, render::PixelSizeFor(9, scale));
}

std::vector<std::string> WrapWords(render::Font& font, std::string_view text, int width) {
    std::vector<std::string> lines;
    std::istringstream words{std::string(text)};
    std::string word, line;
    while (words >> word) {
        const std::string candidate = line.empty() ? word : line + ' ' + word;
        if (!line.empty() && font.TextWidth(candidate) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = candidate;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

}  // namespace

void Window::Impl::DrawControl(render::Painter& p, int index) {
    const ControlState& c = controls[static_cast<std::size_t>(index)];
    switch (c.Kind()) {
    case ControlKind::Panel: DrawPanel(p, c); break;
    case ControlKind::Group:
        if (c.fill >= 0) p.Fill(c.frameRect, render::ToArgb(c.fill));
        break;
    case ControlKind::OptionGroup: DrawOptionGroup(p, c); break;
    case ControlKind::Radio: DrawRadio(p, index); break;
    case ControlKind::Button: DrawButton(p, index); break;
    case ControlKind::Display: DrawDisplay(p, c); break;
    case ControlKind::String: DrawText(p, c, c.binding.Bound() ? std::string_view(c.shown) : c.def->text, false); break;
    case ControlKind::Prompt: DrawText(p, c, c.def->text, true); break;
    case ControlKind::Image: DrawImage(p, c); break;
    case ControlKind::Line: DrawLine(p, c); break;
    default: break;
    }
}

void Window::Impl::DrawPanel(render::Painter& p, const ControlState& c) {
    if (c.fill >= 0) {
        p.Fill(c.frameRect, render::ToArgb(c.fill));
        return;
    }
    // An etched outline, so empty panels still group what lies on them.
    const int t = Px(1);
    p.Frame({c.frameRect.x + t, c.frameRect.y + t, c.frameRect.width - t, c.frameRect.height - t}, Light, t);
    p.Frame({c.frameRect.x, c.frameRect.y, c.frameRect.width - t, c.frameRect.height - t}, Shadow, t);
}

void Window::Impl::DrawOptionGroup(render::Painter& p, const ControlState& c) {
    if (c.fill >= 0) p.Fill(c.frameRect, render::ToArgb(c.fill));
    if (!c.def->boxed) return;
    const int t = Px(1);
    p.Frame({c.frameRect.x + t, c.frameRect.y + t, c.frameRect.width - t, c.frameRect.height - t}, Light, t);
    p.Frame({c.frameRect.x, c.frameRect.y, c.frameRect.width - t, c.frameRect.height - t}, Shadow, t);
}

void Window::Impl::DrawRadio(render::Painter& p, int index) {
    const ControlState& c = controls[static_cast<std::size_t>(index)];
    const bool chosen = c.parent >= 0 && controls[static_cast<std::size_t>(c.parent)].choice == index;
    const bool held = pressed == index && pressedInside;
    const Rect r = c.frameRect;
    if (c.pictureRadio) {
        // Push-like: raised when free, lowered and tinted when chosen.
        p.Fill(r, chosen ? ChosenFace : held ? PressedFace : ButtonFace);
        const int edge = chosen ? Px(3) : Px(2);
        if (chosen) {
            p.Frame(r, ChosenEdge, edge);
        } else {
            p.Bevel(r, Light, DarkShadow, Px(1), held);
            p.Bevel(Inflate(r, -Px(1)), ButtonFace, Shadow, Px(1), held);
        }
        if (c.picture) {
            const Size picture = PictureSizeAtScale(*c.picture);
            const int shift = (chosen || held) ? Px(1) : 0;
            const int x = r.x + (r.width - picture.width) / 2 + shift, y = r.y + (r.height - picture.height) / 2 + shift;
            BlitPicture(p, c.picture, x, y, Inflate(r, -edge));  // the chosen edge stays in view
        }
        if (focus == index) p.DottedFrame(Inflate(r, -Px(3)), FocusDots);
        return;
    }
    // A round mark and its text.
    const int size = Px(13);
    const int top = r.y + (r.height - size) / 2;
    p.Disc(r.x, top, size, held ? Shadow : DarkShadow);
    p.Disc(r.x + Px(1), top + Px(1), size - 2 * Px(1), held ? PressedFace : Light);
    if (chosen) {
        const int dot = std::max(2, size * 5 / 13);
        p.Disc(r.x + (size - dot) / 2, top + (size - dot) / 2, dot, Text);
    }
    if (render::Font* font = c.font.atScale) {
        const int x = r.x + size + Px(5);
        const int baseline = r.y + (r.height - font->Height()) / 2 + font->Ascent();
        render::DrawText(p.Target(), p.Clip(), *font, x, baseline, c.def->text, c.font.argb);
        if (focus == index) {
            const int w = font->TextWidth(c.def->text);
            p.DottedFrame({x - Px(1), baseline - font->Ascent() - Px(1), w + 2 * Px(1), font->Height() + 2 * Px(1)},
                          FocusDots);
        }
    }
}

void Window::Impl::DrawButton(render::Painter& p, int index) {
    const ControlState& c = controls[static_cast<std::size_t>(index)];
    const bool held = pressed == index && pressedInside;
    const Rect r = c.frameRect;
    p.Fill(r, held ? PressedFace : ButtonFace);
    p.Bevel(r, Light, DarkShadow, Px(1), held);
    p.Bevel(Inflate(r, -Px(1)), ButtonFace, Shadow, Px(1), held);
    if (render::Font* font = c.font.atScale) {
        const int shift = held ? Px(1) : 0;
        const int x = r.x + (r.width - font->TextWidth(c.def->text)) / 2 + shift;
        const int baseline = r.y + (r.height - font->Height()) / 2 + font->Ascent() + shift;
        render::Painter inside(p.Target(), render::Intersect(p.Clip(), Inflate(r, -Px(2))));
        render::DrawText(inside.Target(), inside.Clip(), *font, x, baseline, c.def->text, c.font.argb);
    }
    if (focus == index) p.DottedFrame(Inflate(r, -Px(4)), FocusDots);
}

void Window::Impl::DrawText(render::Painter& p, const ControlState& c, std::string_view text, bool wrap) {
    render::Font* font = c.font.atScale;
    if (!font || text.empty()) return;
    const Rect r = c.frameRect;
    if (!wrap) {
        render::DrawText(p.Target(), p.Clip(), *font, r.x, r.y + font->Ascent(), text, c.font.argb);
        return;
    }
    int baseline = r.y + font->Ascent();
    for (const std::string& line : WrapWords(*font, text, r.width)) {
        render::DrawText(p.Target(), p.Clip(), *font, r.x, baseline, line, c.font.argb);
        baseline += font->Height();
    }
}

void Window::Impl::DrawDisplay(render::Painter& p, const ControlState& c) {
    if (!c.def->transparent) p.Fill(c.frameRect, window::WindowBackground);
    render::Font* font = c.font.atScale;
    if (!font || c.shown.empty()) return;
    int x = c.frameRect.x;
    if (const int positions = window::NumberPositions(c.def->picture)) {
        // Digits right-aligned in a field of `positions` characters, as a number
        // field; a field wider than its box ends at the box's right edge.
        const int field = std::min(c.frameRect.width,
                                   font->TextWidth("-") + (positions - 1) * font->TextWidth("0"));
        x += std::max(0, field - font->TextWidth(c.shown));
    }
    render::DrawText(p.Target(), p.Clip(), *font, x, c.frameRect.y + font->Ascent(), c.shown, c.font.argb);
}

void Window::Impl::DrawImage(render::Painter& p, const ControlState& c) {
    if (!c.picture) return;
    // Natural size (times the scale) at the top left, cut to the control.
    BlitPicture(p, c.picture, c.frameRect.x, c.frameRect.y, c.frameRect);
}

void Window::Impl::DrawLine(render::Painter& p, const ControlState& c) {
    const Rect a = ToFrame({c.rect.x, c.rect.y, 0, 0});
    const Rect b = ToFrame({c.rect.x + c.rect.width, c.rect.y + c.rect.height, 0, 0});
    p.Line({a.x, a.y}, {b.x, b.y}, Px(c.def->lineWidth), render::ToArgb(c.def->lineColour < 0 ? 0 : c.def->lineColour));
}

void Window::Impl::DrawMenuBar(render::Painter& p) {
    const int height = Px(menuBar);
    p.Fill({0, 0, frame.width, height}, MenuBarFace);
    p.Fill({0, height - Px(1), frame.width, Px(1)}, MenuLine);
    render::Font* font = MenuFont(scale);
    for (int i = 0; i < static_cast<int>(controls.size()); ++i) {
        const ControlState& c = controls[static_cast<std::size_t>(i)];
        if (c.Kind() != ControlKind::Menu || !IsShown(i)) continue;
        if (openMenu == i) p.Fill(c.frameRect, ChosenFace);
        if (!font) continue;
        const auto [label, underline] = window::MenuLabel(c.def->text);
        const int x = c.frameRect.x + Px(7);
        const int baseline = c.frameRect.y + (c.frameRect.height - font->Height()) / 2 + font->Ascent();
        render::DrawText(p.Target(), p.Clip(), *font, x, baseline, label, MenuText);
        if (underline >= 0) {
            const int ux = x + font->TextWidth(std::string_view(label).substr(0, static_cast<std::size_t>(underline)));
            const int uw = font->GlyphFor(static_cast<unsigned char>(label[static_cast<std::size_t>(underline)])).advance;
            p.Fill({ux, baseline + Px(1), uw, Px(1)}, MenuText);
        }
    }
}

void Window::Impl::DrawDropDown(render::Painter& p) {
    const ControlState& menu = controls[static_cast<std::size_t>(openMenu)];
    Rect box;
    for (int item : menu.children) box = render::Union(box, controls[static_cast<std::size_t>(item)].frameRect);
    if (render::IsEmpty(box)) return;
    const Rect outline = Inflate(box, Px(1));
    p.Fill({outline.x + Px(3), outline.y + Px(3), outline.width, outline.height}, 0xFFB8B8B8);  // shadow
    p.Fill(outline, Light);
    p.Frame(outline, 0xFF999999, Px(1));
    render::Font* font = MenuFont(scale);
    for (int item : menu.children) {
        const ControlState& c = controls[static_cast<std::size_t>(item)];
        const Rect r = c.frameRect;
        if (c.Kind() == ControlKind::MenuSeparator) {
            p.Fill({r.x + Px(4), r.y + r.height / 2, r.width - Px(8), Px(1)}, MenuLine);
            continue;
        }
        if ((pressed == item && pressedInside) || menuHover == item) p.Fill(r, ChosenFace);
        if (!font) continue;
        const auto [label, underline] = window::MenuLabel(c.def->text);
        const int x = r.x + Px(24);
        const int baseline = r.y + (r.height - font->Height()) / 2 + font->Ascent();
        render::DrawText(p.Target(), p.Clip(), *font, x, baseline, label, MenuText);
        if (underline >= 0) {
            const int ux = x + font->TextWidth(std::string_view(label).substr(0, static_cast<std::size_t>(underline)));
            const int uw = font->GlyphFor(static_cast<unsigned char>(label[static_cast<std::size_t>(underline)])).advance;
            p.Fill({ux, baseline + Px(1), uw, Px(1)}, MenuText);
        }
    }
}

}  // namespace runtime
