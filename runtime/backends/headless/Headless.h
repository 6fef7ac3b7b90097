#pragma once

#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "runtime/Runtime.h"
#include "runtime/Window.h"

namespace runtime {

// A desktop without a display: input is injected by the test, presented
// frames are kept so the test can read them back.
class HeadlessPlatform final : public Platform {
public:
    explicit HeadlessPlatform(double scale = 1.0, ScreenInfo screen = {});

    void Inject(const InputEvent& input);
    std::size_t PendingInput() const;
    const Image& LastFrame() const;
    int PresentCount() const;
    std::vector<std::pair<std::string, std::string>> messages;  // caption, text of each message box
    WindowRequest lastRequest;
    // The screens the desktop has; none given: the one of ScreenInfo.
    std::vector<Rect> screens;
    // What the desktop says of its borders; nothing by default.
    std::optional<Borders> borders;

    ScreenInfo Screen() const override;
    std::vector<Rect> Screens() const override;
    double DisplayScale() const override;
    bool OpenWindow(const WindowRequest& request) override;
    void CloseWindow() override;
    void Present(const Image& frame) override;
    void PresentChanged(const Image& frame, std::span<const Rect> changed) override;
    // Returns injected input; nullopt at once when there is none (never blocks).
    std::optional<InputEvent> WaitInput(std::optional<std::chrono::steady_clock::time_point> deadline) override;
    void Wake() override {}
    Point WindowPosition() const override;
    void SetWindowPosition(Point topLeft) override;
    std::optional<Borders> WindowBorders() const override { return borders; }
    bool IsMinimized() const override;
    bool IsMaximized() const override;
    void SetMinimized(bool minimized) override;
    void SetMaximized(bool maximized) override;
    void ShowMessage(std::string_view caption, std::string_view text) override;

private:
    double scale_;
    ScreenInfo screen_;
    std::deque<InputEvent> input_;
    Image frame_;
    int presents_ = 0;
    bool open_ = false;
    Point position_{100, 100};
    bool minimized_ = false, maximized_ = false;
};

// A clock the test controls: SleepUntil jumps to the deadline at once and
// first runs `onSleep`, so a test can act "while" the program waits.
class ManualClock final : public Clock {
public:
    std::int32_t TimeOfDay() const override { return timeOfDay_; }
    std::chrono::steady_clock::time_point Now() const override { return now_; }
    void SleepUntil(std::chrono::steady_clock::time_point deadline) override;

    void Advance(std::chrono::milliseconds by);
    void SetTimeOfDay(std::int32_t hundredths) { timeOfDay_ = hundredths; }
    std::function<void()> onSleep;
    int sleeps = 0;

private:
    std::chrono::steady_clock::time_point now_{};
    std::int32_t timeOfDay_ = 1;
    std::chrono::milliseconds belowHundredth_{0};  // so many small steps still add up
};

// Records what the program asked to play, and when.
class RecordingSound final : public SoundService {
public:
    explicit RecordingSound(const Clock& clock) : clock_(clock) {}
    void Play(std::string_view fileName) override;

    struct Played {
        std::string file;
        std::chrono::steady_clock::time_point at;
    };
    std::vector<Played> played;
    std::vector<std::string> Files() const;

private:
    const Clock& clock_;
};

class CollectingDebugOutput final : public DebugOutput {
public:
    void Write(std::string_view text) override { lines.emplace_back(text); }
    std::vector<std::string> lines;
};

struct HeadlessOptions {
    double scale = 1.0;
    ScreenInfo screen;
    std::uint64_t seed = 1;
};

// A whole runtime without a display, with its parts exposed to the test.
struct Headless {
    std::unique_ptr<Runtime> runtime;
    HeadlessPlatform* platform = nullptr;  // owned by runtime
    ManualClock* clock = nullptr;
    RecordingSound* sound = nullptr;
    CollectingDebugOutput* debug = nullptr;
};
Headless CreateHeadlessRuntime(const HeadlessOptions& options = {});

// Test input through the real input path: the event goes to the platform
// and is turned into window events by the window.
void Click(Window& window, ControlId control);   // press and release at the control's centre
void ClickAt(Window& window, Point clientPixel);  // 96-DPI client pixels
void PressKey(Window& window, int keyCode, bool shift = false);
void RequestClose(Window& window);

}  // namespace runtime
