#include "frame/WindowInfo.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>

#include "frame/VisiblePlace.h"

namespace frame {
namespace {

constexpr const char* MaximizeKey = "Maximize";
constexpr const char* MinimizeKey = "Minimize";
constexpr const char* XPosKey = "XPos";
constexpr const char* YPosKey = "YPos";
constexpr const char* WidthKey = "Width";
constexpr const char* HeightKey = "Height";

std::int32_t ReadNumber(const IniFile& file, std::string_view section, std::string_view key) {
    const auto text = file.Find(section, key);
    if (!text) return runtime::NotGiven;
    std::int32_t value = 0;
    const char* end = text->data() + text->size();
    const auto [stop, error] = std::from_chars(text->data(), end, value);
    return error == std::errc() && stop == end ? value : runtime::NotGiven;
}

void WriteNumber(IniFile& file, std::string_view section, std::string_view key,
                 std::int32_t value) {
    if (value == runtime::NotGiven)
        file.Remove(section, key);
    else
        file.Set(section, key, std::to_string(value));
}

const char* YesNo(bool yes) {
    return yes ? "Yes" : "No";
}

// An outline's extent once the window's own part changes from `from` to
// `to` (any number a file holds).
int Resized(int extent, int from, int to) {
    const std::int64_t resized = std::int64_t{extent} - from + to;
    return static_cast<int>(std::clamp<std::int64_t>(resized, 0, std::numeric_limits<int>::max()));
}

// Where the window goes instead of the remembered place, when that one is
// too far off the screens; the size checked is the one it is about to get.
std::optional<runtime::Point> SeenPlace(const WindowInfo& info, const PlacedWindow& window) {
    if (info.left == runtime::NotGiven && info.top == runtime::NotGiven) return std::nullopt;
    const runtime::Point now = window.Position();
    const runtime::Point wanted{info.left != runtime::NotGiven ? info.left : now.x,
                                info.top != runtime::NotGiven ? info.top : now.y};
    runtime::Rect outline = window.Outline();
    if (window.IsResizable()) {
        const runtime::Size size = window.Size();
        if (info.width != runtime::NotGiven)
            outline.width = Resized(outline.width, size.width, info.width);
        if (info.height != runtime::NotGiven)
            outline.height = Resized(outline.height, size.height, info.height);
    }
    const auto screens = window.Screens();
    const runtime::Point place = VisiblePlace(wanted, outline, screens);
    if (place == wanted) return std::nullopt;
    return place;
}

}  // namespace

WindowInfo ReadWindowInfo(const IniFile& file, std::string_view section) {
    WindowInfo info;
    const std::string maximize = file.Get(section, MaximizeKey);
    if (maximize == "Yes")
        info.maximized = true;
    else if (maximize != "No")
        return info;  // not found: nothing of the record counts
    info.minimized = file.Get(section, MinimizeKey) == "Yes";
    info.left = ReadNumber(file, section, XPosKey);
    info.top = ReadNumber(file, section, YPosKey);
    info.width = ReadNumber(file, section, WidthKey);
    info.height = ReadNumber(file, section, HeightKey);
    info.found = true;
    return info;
}

void WriteWindowInfo(IniFile& file, std::string_view section, const WindowInfo& info) {
    file.Set(section, MaximizeKey, YesNo(info.maximized));
    file.Set(section, MinimizeKey, YesNo(info.minimized));
    WriteNumber(file, section, XPosKey, info.left);
    WriteNumber(file, section, YPosKey, info.top);
    WriteNumber(file, section, WidthKey, info.width);
    WriteNumber(file, section, HeightKey, info.height);
}

std::optional<runtime::Point> ApplyWindowInfo(const WindowInfo& info, PlacedWindow& window) {
    if (!info.found) return std::nullopt;
    if (window.IsMaximized() && !info.maximized) window.SetMaximized(false);
    const std::optional<runtime::Point> moved = SeenPlace(info, window);
    window.SetPosition(moved.value_or(runtime::Point{info.left, info.top}));
    if (window.IsResizable()) {
        if (info.width != runtime::NotGiven) window.SetWidth(info.width);
        if (info.height != runtime::NotGiven) window.SetHeight(info.height);
    }
    if (info.maximized && !window.IsMaximized()) window.SetMaximized(true);
    window.SetMinimized(info.minimized);
    return moved;
}

WindowInfo CaptureWindowInfo(const PlacedWindow& window) {
    WindowInfo info;
    info.maximized = window.IsMaximized();
    info.minimized = window.IsMinimized();
    info.found = true;
    if (!info.maximized && !info.minimized) {
        const runtime::Point position = window.Position();
        info.left = position.x;
        info.top = position.y;
        if (window.IsResizable()) {
            const runtime::Size size = window.Size();
            info.width = size.width;
            info.height = size.height;
        }
    }
    return info;
}

}  // namespace frame
