// The controls model: the table of controls, bindings and properties.
#include <algorithm>
#include <cctype>
#include <charconv>

#include "runtime/window/WindowImpl.h"

namespace runtime {

using window::ControlState;

namespace window {

bool NamesPicture(std::string_view text) {
    const auto dot = text.rfind('.');
    if (dot == std::string_view::npos) return false;
    std::string ext(text.substr(dot + 1));
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext == "bmp" || ext == "ico" || ext == "png";
}

int NumberPositions(std::string_view picture) {
    if (picture.empty() || (picture[0] != 'n' && picture[0] != 'N')) return 0;
    int positions = 0;
    const auto digits = picture.find_first_of("0123456789");
    if (digits == std::string_view::npos) return 0;
    std::from_chars(picture.data() + digits, picture.data() + picture.size(), positions);
    return std::clamp(positions, 1, 20);
}

namespace {
long ParseNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    long value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}
}  // namespace

std::string FormatDisplay(std::string_view picture, std::string_view value) {
    if (const int positions = NumberPositions(picture)) {
        std::string text = std::to_string(ParseNumber(value));
        // A number that does not fit shows as a row of '#', not as a wrong number.
        if (static_cast<int>(text.size()) > positions) return std::string(static_cast<std::size_t>(positions), '#');
        return text;
    }
    if (picture.size() > 1 && (picture[0] == 's' || picture[0] == 'S')) {
        int length = 0;
        std::from_chars(picture.data() + 1, picture.data() + picture.size(), length);
        if (length > 0) value = value.substr(0, static_cast<std::size_t>(length));
    }
    return std::string(value.substr(0, value.find_last_not_of(' ') + 1));
}

std::pair<std::string, int> MenuLabel(std::string_view text) {
    std::string label;
    int underline = -1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != '&') underline = static_cast<int>(label.size());
        }
        label += text[i];
    }
    return {label, underline};
}

}  // namespace window

Window::Impl::Impl(const WindowDefinition& definition, Runtime& rt) : def(definition), runtime(rt) {
    controls.reserve(def.controls.size());
    for (const ControlDefinition& d : def.controls) {
        ControlState c;
        c.def = &d;
        c.hidden = d.hidden;
        c.fill = d.fill;
        indexOf.emplace(d.number, static_cast<int>(controls.size()));
        controls.push_back(std::move(c));
    }
    for (int i = 0; i < static_cast<int>(controls.size()); ++i) {
        ControlState& c = controls[static_cast<std::size_t>(i)];
        if (c.def->parent != 0) {
            const int parent = IndexOf(static_cast<ControlId>(c.def->parent));
            if (parent >= 0 && parent != i) {
                c.parent = parent;
                controls[static_cast<std::size_t>(parent)].children.push_back(i);
            }
        }
        const ControlKind kind = c.Kind();
        if (kind == ControlKind::Radio && window::NamesPicture(c.def->text)) c.pictureRadio = true;
        if (c.pictureRadio || (kind == ControlKind::Image && !c.def->text.empty())) {
            c.pictureName = c.def->text;
            c.picture = runtime.pictures().Load(c.pictureName);
        }
    }
    // A parent chain that loops would hang visibility checks; cut it.
    for (ControlState& c : controls) {
        int steps = 0;
        for (int p = c.parent; p >= 0; p = controls[static_cast<std::size_t>(p)].parent) {
            if (++steps > static_cast<int>(controls.size())) {
                c.parent = -1;
                break;
            }
        }
    }
    Layout();
}

int Window::Impl::IndexOf(ControlId id) const {
    const auto hit = indexOf.find(ToInt(id));
    return hit == indexOf.end() ? -1 : hit->second;
}

ControlState* Window::Impl::Find(ControlId id) {
    const int i = IndexOf(id);
    return i < 0 ? nullptr : &controls[static_cast<std::size_t>(i)];
}

const ControlState* Window::Impl::Find(ControlId id) const {
    const int i = IndexOf(id);
    return i < 0 ? nullptr : &controls[static_cast<std::size_t>(i)];
}

bool Window::Impl::IsShown(int index) const {
    for (int i = index; i >= 0; i = controls[static_cast<std::size_t>(i)].parent)
        if (controls[static_cast<std::size_t>(i)].hidden) return false;
    return true;
}

void Window::Impl::ApplyBinding(int index) {
    ControlState& c = controls[static_cast<std::size_t>(index)];
    const window::Binding& b = c.binding;
    if (!b.Bound()) return;
    if (c.Kind() == ControlKind::OptionGroup) {
        int chosen = -1;
        for (int r : c.children) {
            const ControlState& radio = controls[static_cast<std::size_t>(r)];
            if (radio.Kind() != ControlKind::Radio) continue;
            const bool matches = b.number ? window::ParseNumber(radio.def->value) == *b.number
                                          : TextSpan{b.text->chars}.Trimmed() ==
                                                radio.def->value.substr(0, radio.def->value.find_last_not_of(' ') + 1);
            if (matches) {
                chosen = r;
                break;
            }
        }
        if (chosen != c.choice) {
            if (c.choice >= 0) MarkDirty(c.choice);
            if (chosen >= 0) MarkDirty(chosen);
            c.choice = chosen;
        }
        return;
    }
    const std::string value = b.number ? std::to_string(*b.number) : std::string(b.text->Trimmed());
    std::string shown = c.Kind() == ControlKind::Display ? window::FormatDisplay(c.def->picture, value) : value;
    if (shown != c.shown) {
        c.shown = std::move(shown);
        MarkDirty(index);
    }
}

void Window::Impl::ApplyAllBindings() {
    for (int i = 0; i < static_cast<int>(controls.size()); ++i) ApplyBinding(i);
}

void Window::Impl::Choose(int radio) {
    const ControlState& r = controls[static_cast<std::size_t>(radio)];
    if (r.Kind() != ControlKind::Radio || r.parent < 0) return;
    ControlState& group = controls[static_cast<std::size_t>(r.parent)];
    if (group.Kind() != ControlKind::OptionGroup || group.choice == radio) return;  // no change, no event
    if (group.binding.number) {
        *group.binding.number = static_cast<std::int16_t>(window::ParseNumber(r.def->value));
    } else if (group.binding.text) {
        group.binding.text->Assign(r.def->value);
    }
    if (group.choice >= 0) MarkDirty(group.choice);
    MarkDirty(radio);
    group.choice = radio;
    Post({EventKind::Accepted, group.Id(), 0});
}

void Window::Impl::SetHidden(int index, bool hidden) {
    ControlState& c = controls[static_cast<std::size_t>(index)];
    if (c.hidden == hidden) return;
    c.hidden = hidden;
    MarkDirty(index);
}

void Window::Impl::SetPicture(int index, std::shared_ptr<const Image> picture) {
    ControlState& c = controls[static_cast<std::size_t>(index)];
    if (c.picture == picture) return;
    c.picture = std::move(picture);
    MarkDirty(index);
}

}  // namespace runtime
