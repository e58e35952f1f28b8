// Rescaling a 100 x 100 sprite to 60 % with scale_into, beside SDL's nearest-neighbour scaled blit.
#include <SDL.h>
#include <benchmark/benchmark.h>
#include <vector>
#include "graphics/blit.h"

namespace {

struct Sprite {
    std::vector<uint16_t> pixels;
    std::vector<uint16_t> pad;
    Sprite() : pixels(100 * 100), pad(128 * 128)
    {
        for (size_t i = 0; i < pixels.size(); i++) pixels[i] = uint16_t(i * 31);
    }
};

void BM_scale_into_60(benchmark::State& state)
{
    Sprite s;
    const uint8_t mirror = uint8_t(state.range(0));
    for (auto _ : state) {
        scale_into(0, 0, 100, 100, 0, 0, 60, 60, s.pixels.data(), s.pad.data(), 100, 128, mirror);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 60 * 60);
}

void BM_sdl_scaled_blit_60(benchmark::State& state)
{
    Sprite s;
    SDL_Surface* src = SDL_CreateRGBSurfaceWithFormatFrom(s.pixels.data(), 100, 100, 16, 200, SDL_PIXELFORMAT_RGB565);
    SDL_Surface* dst = SDL_CreateRGBSurfaceWithFormatFrom(s.pad.data(), 128, 128, 16, 256, SDL_PIXELFORMAT_RGB565);
    SDL_SetSurfaceBlendMode(src, SDL_BLENDMODE_NONE);
    for (auto _ : state) {
        SDL_Rect r{0, 0, 60, 60};
        SDL_BlitScaled(src, nullptr, dst, &r);
        benchmark::ClobberMemory();
    }
    SDL_FreeSurface(src);
    SDL_FreeSurface(dst);
    state.SetItemsProcessed(state.iterations() * 60 * 60);
}

}  // namespace

BENCHMARK(BM_scale_into_60)->Arg(0)->Arg(1);
BENCHMARK(BM_sdl_scaled_blit_60);
