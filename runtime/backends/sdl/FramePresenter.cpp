#include "runtime/backends/sdl/FramePresenter.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "runtime/backends/sdl/SdlHandles.h"

namespace runtime::sdl {

namespace {

bool HoldsWholeImage(const Image& image) {
    return !image.Empty() && image.pixels.size() >= static_cast<std::size_t>(image.width) * image.height;
}

// `area` inside both the frame and the target; empty when they do not meet.
SDL_Rect Clipped(const Rect& area, Size frame, Size target) {
    const int left = std::max(area.x, 0), top = std::max(area.y, 0);
    const int right = std::min({area.x + area.width, frame.width, target.width});
    const int bottom = std::min({area.y + area.height, frame.height, target.height});
    if (left >= right || top >= bottom) return {0, 0, 0, 0};
    return {left, top, right - left, bottom - top};
}

const std::uint32_t* PixelsAt(const Image& frame, const SDL_Rect& part) {
    return &frame.pixels[static_cast<std::size_t>(part.y) * frame.width + part.x];
}

class SurfacePresenter final : public FramePresenter {
public:
    explicit SurfacePresenter(SDL_Window* window) : window_(window) {}

    bool Show(const Image& frame, std::span<const Rect> changed) override {
        if (!HoldsWholeImage(frame)) return false;
        SDL_Surface* surface = SDL_GetWindowSurface(window_);
        if (surface == nullptr) return false;
        const Size target{surface->w, surface->h};
        // A surface SDL made afresh (a new window size) holds nothing of ours yet.
        const Rect whole{0, 0, target.width, target.height};
        const bool fresh = surface != shown_ || target != shownSize_;
        if (fresh) changed = std::span<const Rect>(&whole, 1);

        parts_.clear();
        for (const Rect& area : changed) {
            const SDL_Rect part = Clipped(area, {frame.width, frame.height}, target);
            if (part.w > 0) parts_.push_back(part);
        }
        // A window larger than its frame (maximized by the desktop) shows the
        // frame's background colour, as its last pixel has it, around it.
        if (fresh && (target.width > frame.width || target.height > frame.height)) {
            const std::uint32_t last = frame.pixels[static_cast<std::size_t>(frame.width) * frame.height - 1];
            SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, last >> 16 & 0xFF, last >> 8 & 0xFF, last & 0xFF));
        }
        if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0) return false;
        // The frame is 0xAARRGGBB; the X11 surface is the same with its alpha unused.
        const bool sameLayout =
            surface->format->format == SDL_PIXELFORMAT_ARGB8888 || surface->format->format == SDL_PIXELFORMAT_RGB888;
        for (const SDL_Rect& part : parts_) {
            auto* out = static_cast<Uint8*>(surface->pixels) + static_cast<std::ptrdiff_t>(part.y) * surface->pitch +
                        part.x * surface->format->BytesPerPixel;
            const std::uint32_t* in = PixelsAt(frame, part);
            if (sameLayout) {
                for (int row = 0; row < part.h; ++row)
                    std::memcpy(out + static_cast<std::ptrdiff_t>(row) * surface->pitch, in + row * frame.width,
                                static_cast<std::size_t>(part.w) * 4);
            } else {
                SDL_ConvertPixels(part.w, part.h, SDL_PIXELFORMAT_ARGB8888, in, frame.width * 4,
                                  surface->format->format, out, surface->pitch);
            }
        }
        if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
        shown_ = surface;
        shownSize_ = target;
        if (fresh) return SDL_UpdateWindowSurface(window_) == 0;
        if (parts_.empty()) return true;
        return SDL_UpdateWindowSurfaceRects(window_, parts_.data(), static_cast<int>(parts_.size())) == 0;
    }

    bool ShowAgain() override {
        if (shown_ == nullptr || SDL_GetWindowSurface(window_) != shown_) return false;
        return SDL_UpdateWindowSurface(window_) == 0;
    }

    void Invalidate() override { shown_ = nullptr; }

private:
    SDL_Window* window_;
    SDL_Surface* shown_ = nullptr;  // the surface holding the last frame
    Size shownSize_;
    std::vector<SDL_Rect> parts_;
};

class RendererPresenter final : public FramePresenter {
public:
    explicit RendererPresenter(SdlPtr<SDL_Renderer> renderer) : renderer_(std::move(renderer)) {}

    bool Show(const Image& frame, std::span<const Rect> changed) override {
        if (!HoldsWholeImage(frame)) return false;
        const Size size{frame.width, frame.height};
        const Rect whole{0, 0, frame.width, frame.height};
        if (!texture_ || size != textureSize_) {
            texture_.reset(SDL_CreateTexture(renderer_.get(), SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                             size.width, size.height));
            if (!texture_) return false;
            // The frame's alpha byte means nothing on screen.
            SDL_SetTextureBlendMode(texture_.get(), SDL_BLENDMODE_NONE);
            SDL_SetTextureScaleMode(texture_.get(), SDL_ScaleModeLinear);
            textureSize_ = size;
            changed = std::span<const Rect>(&whole, 1);
        }
        for (const Rect& area : changed) {
            const SDL_Rect part = Clipped(area, size, size);
            if (part.w > 0 && SDL_UpdateTexture(texture_.get(), &part, PixelsAt(frame, part), frame.width * 4) != 0)
                return false;
        }
        return ShowAgain();
    }

    bool ShowAgain() override {
        if (!texture_) return false;
        SDL_RenderCopy(renderer_.get(), texture_.get(), nullptr, nullptr);
        SDL_RenderPresent(renderer_.get());
        return true;
    }

    void Invalidate() override { texture_.reset(); }

private:
    SdlPtr<SDL_Renderer> renderer_;
    SdlPtr<SDL_Texture> texture_;
    Size textureSize_;
};

}  // namespace

std::unique_ptr<FramePresenter> CreateSurfacePresenter(SDL_Window* window) {
    if (SDL_GetWindowSurface(window) == nullptr) return nullptr;
    return std::make_unique<SurfacePresenter>(window);
}

std::unique_ptr<FramePresenter> CreateRendererPresenter(SDL_Window* window) {
    SdlPtr<SDL_Renderer> renderer(SDL_CreateRenderer(window, -1, 0));
    if (!renderer) renderer.reset(SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE));
    if (!renderer) return nullptr;
    return std::make_unique<RendererPresenter>(std::move(renderer));
}

}  // namespace runtime::sdl
