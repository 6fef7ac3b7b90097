#include "runtime/backends/sdl/SdlPlatform.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "runtime/backends/sdl/DisplayDrivers.h"
#include "language/Catalog.h"
#include "runtime/backends/sdl/SdlInput.h"

namespace runtime::sdl {

namespace {

// Beyond these a scale or a DPI value is a typo or a broken monitor report.
constexpr double MinScale = 0.25, MaxScale = 8.0;
constexpr float MinDpi = 48.0f, MaxDpi = 600.0f;

bool HoldsWholeImage(const Image& image) {
    return !image.Empty() && image.pixels.size() >= static_cast<std::size_t>(image.width) * image.height;
}

std::string OneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

}  // namespace

std::optional<double> ParseScale(const char* text) {
    if (text == nullptr) return std::nullopt;
    const char* end = text + std::strlen(text);
    double scale = 0;
    const auto [rest, failure] = std::from_chars(text, end, scale);
    if (failure != std::errc() || rest != end || !(scale >= MinScale && scale <= MaxScale)) return std::nullopt;
    return scale;
}

std::unique_ptr<SdlPlatform> SdlPlatform::Create(std::string& error) {
    // Signals are ours (see SignalCloseRequests); a window close is a close
    // request of that window, not a quit of the program.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    // A desktop program, not a game: the screen saver may run, and the
    // compositor stays on.
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    // Every pixel is drawn by our own renderer: the window surface is shown as
    // it is (shared memory on X11), with no GL driver loaded only to copy it.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    UseOnlyDisplayDrivers();

    std::unique_ptr<SdlPlatform> platform(new SdlPlatform());
    if (!platform->video_.Ready()) {
        error = OneLine(std::string(language::Tr("cannot open a display")) + ": " + SDL_GetError());
        return nullptr;
    }
    return platform;
}

SdlPlatform::SdlPlatform() {
    wakeEvent_ = SDL_RegisterEvents(1);
    if (wakeEvent_ == static_cast<Uint32>(-1)) wakeEvent_ = SDL_USEREVENT;
}

SdlPlatform::~SdlPlatform() { CloseWindow(); }

ScreenInfo SdlPlatform::Screen() const {
    ScreenInfo info;
    int display = window_ ? SDL_GetWindowDisplayIndex(window_.get()) : 0;
    if (display < 0) display = 0;
    SDL_Rect bounds;
    if (SDL_GetDisplayBounds(display, &bounds) == 0) {
        info.size = {bounds.w, bounds.h};
        info.usable = {bounds.x, bounds.y, bounds.w, bounds.h};
    }
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(display, &usable) == 0 && usable.w > 0 && usable.h > 0)
        info.usable = {usable.x, usable.y, usable.w, usable.h};
    float dpi = 0;
    if (SDL_GetDisplayDPI(display, nullptr, &dpi, nullptr) == 0 && dpi >= MinDpi && dpi <= MaxDpi)
        info.dotsPerInch = static_cast<int>(std::lround(dpi));
    SDL_DisplayMode mode;
    if (SDL_GetCurrentDisplayMode(display, &mode) == 0 && SDL_BITSPERPIXEL(mode.format) > 0)
        info.bitsPerPixel = static_cast<int>(SDL_BITSPERPIXEL(mode.format));
    return info;
}

std::vector<Rect> SdlPlatform::Screens() const {
    std::vector<Rect> screens;
    const int count = SDL_GetNumVideoDisplays();
    for (int display = 0; display < count; ++display) {
        SDL_Rect area;
        const bool usable = SDL_GetDisplayUsableBounds(display, &area) == 0 && area.w > 0 && area.h > 0;
        if (usable || (SDL_GetDisplayBounds(display, &area) == 0 && area.w > 0 && area.h > 0))
            screens.push_back({area.x, area.y, area.w, area.h});
    }
    if (screens.empty()) screens.push_back(Screen().usable);
    return screens;
}

double SdlPlatform::DisplayScale() const { return ParseScale(std::getenv("KORVANDA_SCALE")).value_or(0.0); }

bool SdlPlatform::OpenWindow(const WindowRequest& request) {
    CloseWindow();
    const Size frame = request.frameSize;
    if (frame.width <= 0 || frame.height <= 0) return false;

    Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_ALLOW_HIGHDPI;
    if (request.resizable) flags |= SDL_WINDOW_RESIZABLE;
    const int x = request.position ? request.position->x : SDL_WINDOWPOS_UNDEFINED;
    const int y = request.position ? request.position->y : SDL_WINDOWPOS_UNDEFINED;
    window_.reset(SDL_CreateWindow(request.caption.c_str(), x, y, frame.width, frame.height, flags));
    if (window_) {
        FitWindowToFrame(frame);
        presenter_ = CreateSurfacePresenter(window_.get());
        if (!presenter_) presenter_ = CreateRendererPresenter(window_.get());
    }
    if (!presenter_) {
        std::fprintf(stderr, "%s: %s\n", language::Tr("cannot open the window"), OneLine(SDL_GetError()).c_str());
        CloseWindow();
        return false;
    }
    frameSize_ = frame;
    SetIcon(request.icon);
    // The first frame follows at once.
    SDL_ShowWindow(window_.get());
    // Keys come from key presses; no input method should start composing.
    SDL_StopTextInput();
    return true;
}

void SdlPlatform::CloseWindow() {
    if (window_) {
        // The frame saves the placement after the window is gone.
        lastPosition_ = WindowPosition();
        lastFlags_ = SDL_GetWindowFlags(window_.get());
    }
    presenter_.reset();
    window_.reset();
    frameSize_ = {};
}

void SdlPlatform::SetIcon(const Image& icon) {
    if (!HoldsWholeImage(icon)) return;
    SdlPtr<SDL_Surface> surface(SDL_CreateRGBSurfaceWithFormat(0, icon.width, icon.height, 32, SDL_PIXELFORMAT_ARGB8888));
    if (!surface) return;
    for (int row = 0; row < icon.height; ++row)
        std::memcpy(static_cast<Uint8*>(surface->pixels) + static_cast<std::ptrdiff_t>(row) * surface->pitch,
                    &icon.pixels[static_cast<std::size_t>(row) * icon.width], static_cast<std::size_t>(icon.width) * 4);
    SDL_SetWindowIcon(window_.get(), surface.get());
}

void SdlPlatform::FitWindowToFrame(Size frame) {
    // On a desktop that scales windows the drawable has more pixels than the
    // window has points; shrink the window so each frame pixel is one pixel
    // of the screen instead of being stretched.
    int pointsX = 0, pointsY = 0, pixelsX = 0, pixelsY = 0;
    SDL_GetWindowSize(window_.get(), &pointsX, &pointsY);
    SDL_GetWindowSizeInPixels(window_.get(), &pixelsX, &pixelsY);
    if (pixelsX > pointsX && pixelsY > pointsY)
        SDL_SetWindowSize(window_.get(), std::max(1, frame.width * pointsX / pixelsX),
                          std::max(1, frame.height * pointsY / pixelsY));
}

void SdlPlatform::Present(const Image& frame) {
    if (!presenter_ || !HoldsWholeImage(frame)) return;
    const Size size{frame.width, frame.height};
    if (size != frameSize_) {
        SDL_SetWindowSize(window_.get(), size.width, size.height);
        FitWindowToFrame(size);
        frameSize_ = size;
    }
    presenter_->Invalidate();
    const Rect whole{0, 0, size.width, size.height};
    presenter_->Show(frame, std::span<const Rect>(&whole, 1));
}

void SdlPlatform::PresentChanged(const Image& frame, std::span<const Rect> changed) {
    if (!presenter_ || !HoldsWholeImage(frame)) return;
    if (Size{frame.width, frame.height} != frameSize_ || !presenter_->Show(frame, changed)) Present(frame);
}

std::optional<InputEvent> SdlPlatform::Handle(const SDL_Event& event) {
    InputEvent exposed;
    exposed.type = InputEvent::Type::Exposed;
    if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED) {
        // Without the last frame at hand the program draws a new one.
        if (presenter_ && presenter_->ShowAgain()) return std::nullopt;
        return exposed;
    }
    if (event.type == SDL_RENDER_DEVICE_RESET ||
        (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)) {
        // The window's pixels went with the device or the old size.
        if (presenter_) presenter_->Invalidate();
        return exposed;
    }
    Size window = frameSize_;
    if (window_) SDL_GetWindowSize(window_.get(), &window.width, &window.height);
    return TranslateEvent(event, window, frameSize_);
}

std::optional<InputEvent> SdlPlatform::WaitInput(std::optional<std::chrono::steady_clock::time_point> deadline) {
    using namespace std::chrono;
    for (;;) {
        SDL_Event event;
        int got = 0;
        if (!deadline) {
            got = SDL_WaitEvent(&event);
            if (!got) return std::nullopt;  // SDL's queue is broken; let the caller decide
        } else {
            const auto left = ceil<milliseconds>(*deadline - steady_clock::now()).count();
            got = left > 0 ? SDL_WaitEventTimeout(&event, static_cast<int>(std::min<long long>(left, INT_MAX)))
                           : SDL_PollEvent(&event);
            if (!got && steady_clock::now() >= *deadline) return std::nullopt;
            if (!got) continue;
        }
        if (event.type == wakeEvent_) return std::nullopt;
        if (auto input = Handle(event)) return input;
    }
}

bool SdlPlatform::InputWaiting() {
    SDL_PumpEvents();
    if (SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, wakeEvent_, wakeEvent_) > 0) return false;
    return SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0;
}

void SdlPlatform::Wake() {
    SDL_Event wake{};
    wake.type = wakeEvent_;
    SDL_PushEvent(&wake);
}

Point SdlPlatform::WindowPosition() const {
    if (!window_) return lastPosition_;
    Point position;
    SDL_GetWindowPosition(window_.get(), &position.x, &position.y);
    return position;
}

void SdlPlatform::SetWindowPosition(Point topLeft) {
    if (window_) SDL_SetWindowPosition(window_.get(), topLeft.x, topLeft.y);
}

std::optional<Borders> SdlPlatform::WindowBorders() const {
    Borders borders;
    if (!window_ || SDL_GetWindowBordersSize(window_.get(), &borders.top, &borders.left, &borders.bottom,
                                             &borders.right) != 0)
        return std::nullopt;
    return borders;
}

bool SdlPlatform::IsMinimized() const {
    return ((window_ ? SDL_GetWindowFlags(window_.get()) : lastFlags_) & SDL_WINDOW_MINIMIZED) != 0;
}

bool SdlPlatform::IsMaximized() const {
    return ((window_ ? SDL_GetWindowFlags(window_.get()) : lastFlags_) & SDL_WINDOW_MAXIMIZED) != 0;
}

void SdlPlatform::SetMinimized(bool minimized) {
    if (!window_ || minimized == IsMinimized()) return;
    if (minimized)
        SDL_MinimizeWindow(window_.get());
    else
        SDL_RestoreWindow(window_.get());
}

void SdlPlatform::SetMaximized(bool maximized) {
    if (!window_ || maximized == IsMaximized()) return;
    if (maximized)
        SDL_MaximizeWindow(window_.get());
    else
        SDL_RestoreWindow(window_.get());
}

void SdlPlatform::ShowMessage(std::string_view caption, std::string_view text) {
    const std::string title(caption), message(text);
    if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, title.c_str(), message.c_str(), window_.get()) != 0)
        std::fprintf(stderr, "%s: %s\n", title.c_str(), message.c_str());  // this desktop has no message box
}

}  // namespace runtime::sdl
