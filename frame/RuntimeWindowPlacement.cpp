#include "frame/RuntimeWindowPlacement.h"

#include <cmath>

#include "frame/SettingsManager.h"
#include "runtime/Window.h"

namespace frame {

runtime::Point RuntimeWindowPlacement::Position() const {
    return window_.Position();
}
void RuntimeWindowPlacement::SetPosition(runtime::Point dialogUnits) {
    window_.SetPosition(dialogUnits);
}

runtime::Size RuntimeWindowPlacement::Size() const {
    const runtime::Size pixels = window_.ClientSize();
    return {static_cast<int>(std::lround(pixels.width / window_.DialogUnitX())),
            static_cast<int>(std::lround(pixels.height / window_.DialogUnitY()))};
}

bool RuntimeWindowPlacement::IsMaximized() const {
    return window_.IsMaximized();
}
void RuntimeWindowPlacement::SetMaximized(bool maximized) {
    window_.SetMaximized(maximized);
}
bool RuntimeWindowPlacement::IsMinimized() const {
    return window_.IsMinimized();
}
void RuntimeWindowPlacement::SetMinimized(bool minimized) {
    window_.SetMinimized(minimized);
}
bool RuntimeWindowPlacement::IsResizable() const {
    return window_.IsResizable();
}
std::vector<runtime::Rect> RuntimeWindowPlacement::Screens() const {
    return window_.ScreenAreas();
}
runtime::Rect RuntimeWindowPlacement::Outline() const {
    return window_.Outline();
}

void SettingsManager::FetchWindow(std::string_view section, runtime::Window& window) {
    RuntimeWindowPlacement placement(window);
    FetchWindow(section, placement);
}

void SettingsManager::UpdateWindow(std::string_view section, runtime::Window& window) {
    RuntimeWindowPlacement placement(window);
    UpdateWindow(section, static_cast<const PlacedWindow&>(placement));
}

}  // namespace frame
