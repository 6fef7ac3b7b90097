// SDL2_gfx through SDL's software renderer on a 32-bit surface (on a 24-bit
// one its circles and triangles draw nothing), and SDL's colour-keyed blit,
// with and without run-length acceleration, on 24-bit surfaces laid out as
// the canvas rows.
#include <SDL.h>
#include <SDL2_gfxPrimitives.h>

#include <memory>
#include <vector>

#include "Workload.h"

namespace bench {
namespace {

using Surface = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

std::int64_t ChangedPixels(SDL_Surface* s) {
    std::int64_t changed = 0;
    const int bytes = s->format->BytesPerPixel;
    for (int y = 0; y < s->h; ++y)
        for (int x = 0; x < s->w; ++x) {
            const auto* p = static_cast<const std::uint8_t*>(s->pixels) + y * s->pitch + bytes * x;
            changed += (p[0] | p[1] | p[2]) != 0;
        }
    return changed;
}

// SDL2_gfx colours are 0xAABBGGRR: red in the low byte, as the canvas's.
std::uint32_t Opaque(std::int32_t c) { return 0xFF000000u | static_cast<std::uint32_t>(c); }

template <class DrawFn>
void Run(benchmark::State& state, DrawFn draw) {
    Surface surface(SDL_CreateRGBSurfaceWithFormat(0, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                                                   32, SDL_PIXELFORMAT_ARGB8888),
                    SDL_FreeSurface);
    std::unique_ptr<SDL_Renderer, decltype(&SDL_DestroyRenderer)> renderer(SDL_CreateSoftwareRenderer(surface.get()),
                                                                          SDL_DestroyRenderer);
    if (!surface || !renderer) {
        state.SkipWithError(SDL_GetError());
        return;
    }
    const auto& places = Places(surface->w, surface->h);
    auto pass = [&] {
        for (const Place& p : places) draw(renderer.get(), static_cast<Sint16>(p.x - 1), static_cast<Sint16>(p.y - 1), Opaque(p.colour));
        SDL_RenderFlush(renderer.get());
    };
    pass();
    if (!Changed(state, ChangedPixels(surface.get()))) return;
    for (auto _ : state) pass();
    state.SetItemsProcessed(state.iterations() * Count);
}

void Boxes_SdlGfx(benchmark::State& state) {
    Run(state, [](SDL_Renderer* r, Sint16 x, Sint16 y, Uint32 c) { boxColor(r, x, y, x + 39, y + 39, c); });
}
void Circles_SdlGfx(benchmark::State& state) {
    Run(state, [](SDL_Renderer* r, Sint16 x, Sint16 y, Uint32 c) { filledCircleColor(r, x + 19, y + 19, 19, c); });
}
void Ellipses_SdlGfx(benchmark::State& state) {
    Run(state, [](SDL_Renderer* r, Sint16 x, Sint16 y, Uint32 c) { filledEllipseColor(r, x + 9, y + 19, 9, 19, c); });
}
void Triangles_SdlGfx(benchmark::State& state) {
    Run(state, [](SDL_Renderer* r, Sint16 x, Sint16 y, Uint32 c) {
        filledTrigonColor(r, x, y + 25, x + 25, y, x + 50, y + 25, c);
    });
}

// range(2): 1 with SDL_RLEACCEL.
void Keyed_SdlBlit(benchmark::State& state) {
    Surface target(SDL_CreateRGBSurfaceWithFormat(0, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                                                  24, SDL_PIXELFORMAT_BGR24),
                   SDL_FreeSurface);
    Surface picture(SDL_CreateRGBSurfaceWithFormat(0, PictureSide, PictureSide, 24, SDL_PIXELFORMAT_BGR24),
                    SDL_FreeSurface);
    if (!target || !picture) {
        state.SkipWithError(SDL_GetError());
        return;
    }
    for (int y = 0; y < PictureSide; ++y)
        for (int x = 0; x < PictureSide; ++x) {
            const std::int32_t c = PicturePixel(x, y);
            auto* p = static_cast<std::uint8_t*>(picture->pixels) + y * picture->pitch + 3 * x;
            const Uint32 mapped = SDL_MapRGB(picture->format, c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
            std::memcpy(p, &mapped, 3);
        }
    SDL_SetSurfaceBlendMode(picture.get(), SDL_BLENDMODE_NONE);
    SDL_SetColorKey(picture.get(), SDL_TRUE, SDL_MapRGB(picture->format, 255, 255, 255));
    SDL_SetSurfaceRLE(picture.get(), static_cast<int>(state.range(2)));
    const auto& places = Places(target->w, target->h);
    auto pass = [&] {
        for (const Place& p : places) {
            SDL_Rect at{p.x - 1, p.y - 1, PictureSide, PictureSide};
            SDL_BlitSurface(picture.get(), nullptr, target.get(), &at);
        }
    };
    pass();
    if (!Changed(state, ChangedPixels(target.get()))) return;
    for (auto _ : state) {
        pass();
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * Count);
}

BENCHMARK(Boxes_SdlGfx) KORVANDA_CANVAS_SIZES;
BENCHMARK(Circles_SdlGfx) KORVANDA_CANVAS_SIZES;
BENCHMARK(Ellipses_SdlGfx) KORVANDA_CANVAS_SIZES;
BENCHMARK(Triangles_SdlGfx) KORVANDA_CANVAS_SIZES;
BENCHMARK(Keyed_SdlBlit)->Args({150, 97, 0})->Args({150, 97, 1})->Args({1920, 1080, 0})->Args({1920, 1080, 1})->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace bench
