#include "runtime/backends/headless/Headless.h"

#include <algorithm>
#include <cassert>

namespace runtime {

HeadlessPlatform::HeadlessPlatform(double scale, ScreenInfo screen) : scale_(scale), screen_(screen) {}

void HeadlessPlatform::Inject(const InputEvent& input) { input_.push_back(input); }
std::size_t HeadlessPlatform::PendingInput() const { return input_.size(); }
const Image& HeadlessPlatform::LastFrame() const { return frame_; }
int HeadlessPlatform::PresentCount() const { return presents_; }

ScreenInfo HeadlessPlatform::Screen() const { return screen_; }
std::vector<Rect> HeadlessPlatform::Screens() const {
    return screens.empty() ? std::vector<Rect>{screen_.usable} : screens;
}
double HeadlessPlatform::DisplayScale() const { return scale_; }

bool HeadlessPlatform::OpenWindow(const WindowRequest& request) {
    lastRequest = request;
    if (request.position) position_ = *request.position;
    open_ = true;
    return true;
}

void HeadlessPlatform::CloseWindow() { open_ = false; }

void HeadlessPlatform::Present(const Image& frame) {
    frame_ = frame;
    ++presents_;
}

void HeadlessPlatform::PresentChanged(const Image& frame, std::span<const Rect> changed) {
    if (frame_.width != frame.width || frame_.height != frame.height) {
        Present(frame);
        return;
    }
    for (const Rect& r : changed) {
        const int x0 = std::max(r.x, 0), x1 = std::min(r.x + r.width, frame.width);
        for (int y = std::max(r.y, 0); y < std::min(r.y + r.height, frame.height); ++y) {
            const std::size_t row = static_cast<std::size_t>(y) * frame.width;
            std::copy(frame.pixels.begin() + static_cast<std::ptrdiff_t>(row + x0),
                      frame.pixels.begin() + static_cast<std::ptrdiff_t>(row + x1),
                      frame_.pixels.begin() + static_cast<std::ptrdiff_t>(row + x0));
        }
    }
    ++presents_;
}

std::optional<InputEvent> HeadlessPlatform::WaitInput(std::optional<std::chrono::steady_clock::time_point>) {
    if (input_.empty()) return std::nullopt;
    InputEvent next = input_.front();
    input_.pop_front();
    return next;
}

Point HeadlessPlatform::WindowPosition() const { return position_; }
void HeadlessPlatform::SetWindowPosition(Point topLeft) { position_ = topLeft; }
bool HeadlessPlatform::IsMinimized() const { return minimized_; }
bool HeadlessPlatform::IsMaximized() const { return maximized_; }
void HeadlessPlatform::SetMinimized(bool minimized) { minimized_ = minimized; }
void HeadlessPlatform::SetMaximized(bool maximized) { maximized_ = maximized; }

void HeadlessPlatform::ShowMessage(std::string_view caption, std::string_view text) {
    messages.emplace_back(caption, text);
}

void ManualClock::SleepUntil(std::chrono::steady_clock::time_point deadline) {
    ++sleeps;
    if (onSleep) onSleep();
    if (deadline > now_) Advance(std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now_));
    if (deadline > now_) now_ = deadline;  // what is left below a millisecond
}

void ManualClock::Advance(std::chrono::milliseconds by) {
    now_ += by;
    belowHundredth_ += by;
    timeOfDay_ += static_cast<std::int32_t>(belowHundredth_.count() / 10);
    belowHundredth_ %= 10;
}

void RecordingSound::Play(std::string_view fileName) { played.push_back({std::string(fileName), clock_.Now()}); }

std::vector<std::string> RecordingSound::Files() const {
    std::vector<std::string> files;
    for (const Played& p : played) files.push_back(p.file);
    return files;
}

Headless CreateHeadlessRuntime(const HeadlessOptions& options) {
    auto platform = std::make_unique<HeadlessPlatform>(options.scale, options.screen);
    auto clock = std::make_unique<ManualClock>();
    auto sound = std::make_unique<RecordingSound>(*clock);
    auto debug = std::make_unique<CollectingDebugOutput>();
    Headless h;
    h.platform = platform.get();
    h.clock = clock.get();
    h.sound = sound.get();
    h.debug = debug.get();
    h.runtime = std::make_unique<Runtime>(std::move(platform), std::move(sound), std::move(clock), std::move(debug));
    h.runtime->random().Seed(options.seed);
    return h;
}

namespace {

HeadlessPlatform& PlatformOf(Window& window) {
    auto* headless = dynamic_cast<HeadlessPlatform*>(&window.GetRuntime().platform());
    assert(headless && "test input needs a window of the headless runtime");
    return *headless;
}

void InjectClick(Window& window, Point clientPixel) {
    const Point at = window.FrameFromClient(clientPixel);
    HeadlessPlatform& platform = PlatformOf(window);
    platform.Inject({InputEvent::Type::MouseDown, at, 0, false});
    platform.Inject({InputEvent::Type::MouseUp, at, 0, false});
}

Point Centre(const Rect& r) { return {r.x + r.width / 2, r.y + r.height / 2}; }

}  // namespace

void Click(Window& window, ControlId control) {
    // A menu item is reached through its menu, as a person would.
    for (const ControlDefinition& d : window.Definition().controls) {
        if (d.number == ToInt(control) && d.kind == ControlKind::MenuItem && d.parent != 0)
            InjectClick(window, Centre(window.ControlRect(static_cast<ControlId>(d.parent))));
    }
    InjectClick(window, Centre(window.ControlRect(control)));
}

void ClickAt(Window& window, Point clientPixel) { InjectClick(window, clientPixel); }

void PressKey(Window& window, int keyCode, bool shift) {
    PlatformOf(window).Inject({InputEvent::Type::KeyDown, {}, keyCode, shift});
}

void RequestClose(Window& window) { PlatformOf(window).Inject({InputEvent::Type::CloseRequested, {}, 0, false}); }

}  // namespace runtime
