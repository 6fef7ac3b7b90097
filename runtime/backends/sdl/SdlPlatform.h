#pragma once

#include <deque>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "runtime/Platform.h"
#include "runtime/backends/sdl/SdlHandles.h"
#include "runtime/backends/sdl/SignalCloseRequests.h"

namespace runtime::sdl {

// The scale asked for in KORVANDA_SCALE, when it holds a usable number.
std::optional<double> ParseScale(const char* text);

// The real desktop through SDL: one fixed-size window showing the frame the
// runtime renders, and the mouse, keyboard and window input that reaches it.
class SdlPlatform final : public Platform {
public:
    // Starts SDL's video; nullptr and a one-line reason when there is no display.
    static std::unique_ptr<SdlPlatform> Create(std::string& error);
    ~SdlPlatform() override;

    ScreenInfo Screen() const override;
    std::vector<Rect> Screens() const override;
    double DisplayScale() const override;

    bool OpenWindow(const WindowRequest& request) override;
    void CloseWindow() override;
    void Present(const Image& frame) override;
    void PresentChanged(const Image& frame, std::span<const Rect> changed) override;

    std::optional<InputEvent> WaitInput(std::optional<std::chrono::steady_clock::time_point> deadline) override;
    void Wake() override;

    Point WindowPosition() const override;
    void SetWindowPosition(Point topLeft) override;
    std::optional<Borders> WindowBorders() const override;
    bool IsMinimized() const override;
    bool IsMaximized() const override;
    void SetMinimized(bool minimized) override;
    void SetMaximized(bool maximized) override;

    void ShowMessage(std::string_view caption, std::string_view text) override;

    SDL_Window* NativeWindow() const { return window_.get(); }

private:
    SdlPlatform();
    void SetIcon(const Image& icon);
    bool CreateFrameTexture(Size frame);
    void FitWindowToFrame(Size frame);
    void ShowLastFrame();
    // nullopt when the event was the platform's own business.
    std::optional<InputEvent> Handle(const SDL_Event& event);

    // Declared first: the signals are blocked before SDL starts any thread.
    SignalCloseRequests closeOnSignal_;
    SdlSubsystem video_{SDL_INIT_VIDEO | SDL_INIT_EVENTS};
    Uint32 wakeEvent_ = 0;

    SdlPtr<SDL_Window> window_;
    SdlPtr<SDL_Renderer> renderer_;
    SdlPtr<SDL_Texture> texture_;
    Size frameSize_;
    bool framePresented_ = false;
    // The placement when the window closed, for the frame to save.
    Point lastPosition_{};
    Uint32 lastFlags_ = 0;
};

}  // namespace runtime::sdl
