#include "runtime/backends/sdl/SdlPlatform.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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
        renderer_.reset(SDL_CreateRenderer(window_.get(), -1, 0));
        if (!renderer_) renderer_.reset(SDL_CreateRenderer(window_.get(), -1, SDL_RENDERER_SOFTWARE));
    }
    if (renderer_) {
        FitWindowToFrame(frame);
        CreateFrameTexture(frame);
    }
    if (!texture_) {
        std::fprintf(stderr, "%s: %s\n", language::Tr("cannot open the window"), OneLine(SDL_GetError()).c_str());
        CloseWindow();
        return false;
    }
    SetIcon(request.icon);

    // White until the first frame arrives, rather than whatever the screen held.
    SDL_SetRenderDrawColor(renderer_.get(), 255, 255, 255, 255);
    SDL_RenderClear(renderer_.get());
    SDL_RenderPresent(renderer_.get());
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
    texture_.reset();
    renderer_.reset();
    window_.reset();
    frameSize_ = {};
    framePresented_ = false;
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
    if (SDL_GetRendererOutputSize(renderer_.get(), &pixelsX, &pixelsY) != 0) return;
    if (pixelsX > pointsX && pixelsY > pointsY)
        SDL_SetWindowSize(window_.get(), std::max(1, frame.width * pointsX / pixelsX),
                          std::max(1, frame.height * pointsY / pixelsY));
}

bool SdlPlatform::CreateFrameTexture(Size frame) {
    texture_.reset(SDL_CreateTexture(renderer_.get(), SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                     frame.width, frame.height));
    framePresented_ = false;
    if (!texture_) return false;
    // The frame's alpha byte means nothing on screen.
    SDL_SetTextureBlendMode(texture_.get(), SDL_BLENDMODE_NONE);
    SDL_SetTextureScaleMode(texture_.get(), SDL_ScaleModeLinear);
    frameSize_ = frame;
    return true;
}

void SdlPlatform::Present(const Image& frame) {
    if (!renderer_ || !HoldsWholeImage(frame)) return;
    const Size size{frame.width, frame.height};
    if (size != frameSize_) {
        SDL_SetWindowSize(window_.get(), size.width, size.height);
        FitWindowToFrame(size);
        if (!CreateFrameTexture(size)) return;
    }
    if (SDL_UpdateTexture(texture_.get(), nullptr, frame.pixels.data(), frame.width * 4) != 0) return;
    framePresented_ = true;
    ShowLastFrame();
}

void SdlPlatform::PresentChanged(const Image& frame, std::span<const Rect> changed) {
    if (!renderer_ || !HoldsWholeImage(frame)) return;
    if (!framePresented_ || Size{frame.width, frame.height} != frameSize_) {
        Present(frame);
        return;
    }
    for (const Rect& area : changed) {
        // Clipped to the frame: a rectangle reaching past it uploads no stray memory.
        const int left = std::max(area.x, 0), top = std::max(area.y, 0);
        const int right = std::min(area.x + area.width, frame.width), bottom = std::min(area.y + area.height, frame.height);
        if (left >= right || top >= bottom) continue;
        const SDL_Rect part{left, top, right - left, bottom - top};
        const std::uint32_t* first = &frame.pixels[static_cast<std::size_t>(top) * frame.width + left];
        if (SDL_UpdateTexture(texture_.get(), &part, first, frame.width * 4) != 0) {
            Present(frame);
            return;
        }
    }
    ShowLastFrame();
}

void SdlPlatform::ShowLastFrame() {
    if (!framePresented_) return;
    SDL_RenderCopy(renderer_.get(), texture_.get(), nullptr, nullptr);
    SDL_RenderPresent(renderer_.get());
}

std::optional<InputEvent> SdlPlatform::Handle(const SDL_Event& event) {
    if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED) {
        ShowLastFrame();
        return std::nullopt;
    }
    if (event.type == SDL_RENDER_DEVICE_RESET) {
        // The texture went with the device: ask the program for a new frame.
        if (renderer_ && frameSize_.width > 0) CreateFrameTexture(frameSize_);
        InputEvent exposed;
        exposed.type = InputEvent::Type::Exposed;
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
