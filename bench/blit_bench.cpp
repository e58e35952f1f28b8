// Sprite blits: blit_tinted (keyed, keyed and tinted, opaque) beside SDL's colour-keyed blit of the same RGB565 data.
#include <SDL.h>
#include <benchmark/benchmark.h>
#include <vector>
#include "app/app_state.h"
#include "graphics/blit.h"
#include "graphics/display.h"

namespace {

constexpr uint16_t kKey = 0xF81F;

// A sprite with a round body on a key-coloured ground, about a third of it transparent.
struct Scene {
    int size;
    std::vector<uint16_t> sprite;
    std::vector<uint16_t> screen;
    explicit Scene(int s) : size(s), sprite(size_t(s) * size_t(s)), screen(240 * 320, 0x4208)
    {
        const int c = s / 2;
        for (int y = 0; y < s; y++)
            for (int x = 0; x < s; x++) {
                const int dx = x - c, dy = y - c;
                sprite[size_t(y) * size_t(s) + size_t(x)] =
                    dx * dx + dy * dy < c * c ? uint16_t(0x1000 + x * 37 + y * 11) : kKey;
            }
        g_drawTarget = screen.data();
    }
};

// Mode 0: colour-keyed; 1: colour-keyed and tinted; 2: opaque.
void BM_blit_tinted(benchmark::State& state)
{
    Scene s(int(state.range(0)));
    const int mode = int(state.range(1));
    const uint8_t keyed = mode != 2;
    const int red = mode == 1 ? 12 : 0, green = mode == 1 ? -20 : 0, blue = mode == 1 ? 5 : 0;
    for (auto _ : state) {
        blit_tinted(40, 60, s.size, s.size, s.sprite.data(), s.size, s.sprite.data(), 0, keyed, red, green, blue);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * s.size * s.size);
}

// SDL's blit of the same RGB565 data into the same screen; second argument 1: with the colour key.
void BM_sdl_blit(benchmark::State& state)
{
    Scene s(int(state.range(0)));
    SDL_Surface* src = SDL_CreateRGBSurfaceWithFormatFrom(s.sprite.data(), s.size, s.size, 16, s.size * 2,
                                                          SDL_PIXELFORMAT_RGB565);
    SDL_Surface* dst = SDL_CreateRGBSurfaceWithFormatFrom(s.screen.data(), 240, 320, 16, 480, SDL_PIXELFORMAT_RGB565);
    if (state.range(1)) SDL_SetColorKey(src, SDL_TRUE, kKey);
    for (auto _ : state) {
        SDL_Rect r{40, 60, s.size, s.size};
        SDL_BlitSurface(src, nullptr, dst, &r);
        benchmark::ClobberMemory();
    }
    SDL_FreeSurface(src);
    SDL_FreeSurface(dst);
    state.SetItemsProcessed(state.iterations() * s.size * s.size);
}

}  // namespace

BENCHMARK(BM_blit_tinted)->ArgsProduct({{32, 100, 160}, {0}});
BENCHMARK(BM_sdl_blit)->ArgsProduct({{32, 100, 160}, {1}});
BENCHMARK(BM_blit_tinted)->ArgsProduct({{32, 100, 160}, {1, 2}});
BENCHMARK(BM_sdl_blit)->ArgsProduct({{32, 100, 160}, {0}});
