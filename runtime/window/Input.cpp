// Desktop input turned into window events: mouse, keyboard and focus.
#include <algorithm>

#include "runtime/window/WindowImpl.h"

namespace runtime {

using window::ControlState;

namespace {
bool Interactive(ControlKind kind) { return kind == ControlKind::Radio || kind == ControlKind::Button; }
}  // namespace

void Window::Impl::Handle(const InputEvent& input) {
    switch (input.type) {
    case InputEvent::Type::MouseDown: MouseDown(ClientFromFrame(input.position)); break;
    case InputEvent::Type::MouseMove: MouseMove(ClientFromFrame(input.position)); break;
    case InputEvent::Type::MouseUp: MouseUp(ClientFromFrame(input.position)); break;
    case InputEvent::Type::KeyDown: Key(input.keyCode, input.shift); break;
    case InputEvent::Type::CloseRequested: Post({EventKind::CloseWindow, ControlId::None, 0}); break;
    case InputEvent::Type::Exposed:
    case InputEvent::Type::Restored: MarkAll(); break;
    case InputEvent::Type::Minimized: break;
    }
}

bool Window::Impl::CloseQueued() const {
    return std::any_of(queue.begin(), queue.end(),
                       [](const Event& e) { return e.kind == EventKind::CloseWindow; });
}

void Window::Impl::Hold(const InputEvent& input) {
    // Only where the mouse ended up matters of a run of moves.
    if (input.type == InputEvent::Type::MouseMove && !held.empty() &&
        held.back().input.type == InputEvent::Type::MouseMove && held.back().spell == spell) {
        held.back().input = input;
        return;
    }
    held.push_back({input, spell});
}

void Window::Impl::HandleHeld() {
    const HeldInput next = held.front();
    held.pop_front();
    const std::size_t before = queue.size();
    Handle(next.input);
    if (next.spell >= spell) return;  // its spell is still open: nothing is merged yet
    for (auto e = queue.begin() + static_cast<std::ptrdiff_t>(before); e != queue.end();) {
        const bool press = e->kind == EventKind::Accepted && e->control == mergedButton;
        if (press && spellOfMergedPress == next.spell) {
            e = queue.erase(e);
            continue;
        }
        if (press) spellOfMergedPress = next.spell;
        ++e;
    }
}

int Window::Impl::HitTest(Point p) const {
    if (int menu = MenuAt(p); menu >= 0) return menu;
    for (int i = static_cast<int>(controls.size()) - 1; i >= 0; --i) {
        const ControlState& c = controls[static_cast<std::size_t>(i)];
        if (Interactive(c.Kind()) && c.rect.Contains(p) && IsShown(i)) return i;
    }
    return -1;
}

// A menu title of the bar, or an item of the open drop-down.
int Window::Impl::MenuAt(Point p) const {
    if (openMenu >= 0) {
        for (int item : controls[static_cast<std::size_t>(openMenu)].children)
            if (controls[static_cast<std::size_t>(item)].rect.Contains(p) && IsShown(item)) return item;
    }
    if (p.y >= 0) return -1;
    for (int i = 0; i < static_cast<int>(controls.size()); ++i) {
        const ControlState& c = controls[static_cast<std::size_t>(i)];
        if (c.Kind() == ControlKind::Menu && c.rect.Contains(p) && IsShown(i)) return i;
    }
    return -1;
}

void Window::Impl::OpenMenu(int menu) {
    openMenu = menu;
    menuHover = -1;
    MarkDirty(menu);
    MarkRect(DropDownRect());
}

void Window::Impl::CloseMenu() {
    if (openMenu < 0) return;
    MarkRect(DropDownRect());
    MarkDirty(openMenu);
    openMenu = -1;
    menuHover = -1;
}

void Window::Impl::HoverMenuItem(int item) {
    if (item == menuHover) return;
    if (menuHover >= 0) MarkRect(PaintBounds(menuHover));
    menuHover = item;
    if (menuHover >= 0) MarkRect(PaintBounds(menuHover));
}

// Up and Down walk the items of the open drop-down, Enter takes one, Escape closes it.
void Window::Impl::MenuKey(int keyCode) {
    if (keyCode == Key::Escape) {
        CloseMenu();
        return;
    }
    std::vector<int> items;
    for (int i : controls[static_cast<std::size_t>(openMenu)].children)
        if (controls[static_cast<std::size_t>(i)].Kind() == ControlKind::MenuItem && IsShown(i)) items.push_back(i);
    if (items.empty()) return;
    if (keyCode == Key::Enter || keyCode == Key::Space) {
        const int chosen = menuHover;
        if (chosen < 0) return;
        CloseMenu();
        Activate(chosen);
        return;
    }
    if (keyCode != Key::Down && keyCode != Key::Up) return;
    const int n = static_cast<int>(items.size());
    const auto at = std::find(items.begin(), items.end(), menuHover);
    int next;
    if (at == items.end()) next = keyCode == Key::Down ? 0 : n - 1;
    else next = (static_cast<int>(at - items.begin()) + (keyCode == Key::Down ? 1 : n - 1)) % n;
    HoverMenuItem(items[static_cast<std::size_t>(next)]);
}

void Window::Impl::MouseDown(Point p) {
    const int hit = HitTest(p);
    if (openMenu >= 0) {
        const ControlKind kind = hit >= 0 ? controls[static_cast<std::size_t>(hit)].Kind() : ControlKind::Panel;
        if (kind == ControlKind::MenuItem) {
            pressed = hit;
            pressedInside = true;
            return;
        }
        // A click outside the open drop-down only closes it.
        const int wasOpen = openMenu;
        CloseMenu();
        if (hit != wasOpen && hit >= 0 && kind == ControlKind::Menu) OpenMenu(hit);
        return;
    }
    if (hit < 0) return;
    ControlState& c = controls[static_cast<std::size_t>(hit)];
    if (c.Kind() == ControlKind::Menu) {
        OpenMenu(hit);
        return;
    }
    pressed = hit;
    pressedInside = true;
    SetFocus(hit);
    MarkDirty(hit);
}

void Window::Impl::MouseMove(Point p) {
    if (openMenu >= 0) {
        const int hit = MenuAt(p);
        HoverMenuItem(hit >= 0 && controls[static_cast<std::size_t>(hit)].Kind() == ControlKind::MenuItem ? hit : -1);
    }
    if (pressed < 0) return;
    const bool inside = controls[static_cast<std::size_t>(pressed)].rect.Contains(p);
    if (inside == pressedInside) return;
    pressedInside = inside;
    MarkDirty(pressed);
}

void Window::Impl::MouseUp(Point p) {
    if (pressed < 0) return;
    const int released = pressed;
    const bool inside = controls[static_cast<std::size_t>(released)].rect.Contains(p);
    pressed = -1;
    pressedInside = false;
    MarkDirty(released);
    if (!inside) return;
    if (controls[static_cast<std::size_t>(released)].Kind() == ControlKind::MenuItem) CloseMenu();
    Activate(released);
}

void Window::Impl::Activate(int index) {
    const ControlState& c = controls[static_cast<std::size_t>(index)];
    switch (c.Kind()) {
    case ControlKind::Button: Post({EventKind::Accepted, c.Id(), 0}); break;
    case ControlKind::Radio: Choose(index); break;
    case ControlKind::MenuItem:
        if (c.def->command == MenuCommand::CloseWindow) Post({EventKind::CloseWindow, ControlId::None, 0});
        else Post({EventKind::Accepted, c.Id(), 0});
        break;
    default: break;
    }
}

void Window::Impl::SetFocus(int index) {
    if (index == focus) return;
    if (focus >= 0) MarkDirty(focus);
    focus = index;
    if (focus >= 0) MarkDirty(focus);
}

void Window::Impl::Key(int keyCode, bool shift) {
    if (keyCode == Key::Tab && shift) keyCode = Key::ShiftTab;
    // A registered alert key belongs to the window, before any control sees it.
    if (alertKeys.contains(keyCode)) {
        Post({EventKind::AlertKey, ControlId::None, keyCode});
        return;
    }
    if (openMenu >= 0) {
        MenuKey(keyCode);
        return;
    }
    switch (keyCode) {
    case Key::Tab: MoveFocus(true); break;
    case Key::ShiftTab: MoveFocus(false); break;
    case Key::Right:
    case Key::Down: MoveChoice(true); break;
    case Key::Left:
    case Key::Up: MoveChoice(false); break;
    case Key::Enter:
    case Key::Space:
        if (focus >= 0 && IsShown(focus)) Activate(focus);
        break;
    default: break;
    }
}

void Window::Impl::MoveFocus(bool forward) {
    // Tab stops: every shown button and lone radio, and each option group once
    // (it is entered at its chosen radio).
    std::vector<int> stops;
    for (int i = 0; i < static_cast<int>(controls.size()); ++i) {
        const ControlState& c = controls[static_cast<std::size_t>(i)];
        if (!IsShown(i)) continue;
        if (c.Kind() == ControlKind::Button) stops.push_back(i);
        if (c.Kind() == ControlKind::Radio) {
            const bool inGroup = c.parent >= 0 && controls[static_cast<std::size_t>(c.parent)].Kind() == ControlKind::OptionGroup;
            if (!inGroup) stops.push_back(i);
        }
        if (c.Kind() == ControlKind::OptionGroup) {
            const bool anyRadio = std::any_of(c.children.begin(), c.children.end(), [&](int r) {
                return controls[static_cast<std::size_t>(r)].Kind() == ControlKind::Radio && IsShown(r);
            });
            if (anyRadio) stops.push_back(i);
        }
    }
    if (stops.empty()) return;
    int current = focus;
    if (current >= 0 && controls[static_cast<std::size_t>(current)].Kind() == ControlKind::Radio) {
        const int parent = controls[static_cast<std::size_t>(current)].parent;
        if (parent >= 0 && controls[static_cast<std::size_t>(parent)].Kind() == ControlKind::OptionGroup) current = parent;
    }
    const auto at = std::find(stops.begin(), stops.end(), current);
    const int n = static_cast<int>(stops.size());
    int next;
    if (at == stops.end()) next = forward ? 0 : n - 1;
    else next = (static_cast<int>(at - stops.begin()) + (forward ? 1 : n - 1)) % n;

    int target = stops[static_cast<std::size_t>(next)];
    const ControlState& t = controls[static_cast<std::size_t>(target)];
    if (t.Kind() == ControlKind::OptionGroup) {
        if (t.choice >= 0 && IsShown(t.choice)) {
            target = t.choice;
        } else {
            for (int r : t.children) {
                if (controls[static_cast<std::size_t>(r)].Kind() == ControlKind::Radio && IsShown(r)) {
                    target = r;
                    break;
                }
            }
        }
    }
    SetFocus(target);
}

void Window::Impl::MoveChoice(bool forward) {
    if (focus < 0) return;
    const ControlState& f = controls[static_cast<std::size_t>(focus)];
    if (f.Kind() != ControlKind::Radio || f.parent < 0) return;
    std::vector<int> radios;
    for (int r : controls[static_cast<std::size_t>(f.parent)].children)
        if (controls[static_cast<std::size_t>(r)].Kind() == ControlKind::Radio && IsShown(r)) radios.push_back(r);
    const auto at = std::find(radios.begin(), radios.end(), focus);
    if (at == radios.end()) return;
    const int n = static_cast<int>(radios.size());
    const int next = radios[static_cast<std::size_t>((static_cast<int>(at - radios.begin()) + (forward ? 1 : n - 1)) % n)];
    SetFocus(next);
    Choose(next);
}

}  // namespace runtime
