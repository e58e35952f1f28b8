// The background every frame: copy_rect and draw_background beside memcpy of the same bytes.
#include <benchmark/benchmark.h>
#include <cstring>
#include <vector>
#include "app/app_state.h"
#include "graphics/blit.h"
#include "graphics/playfield.h"

namespace {

// A 640-wide background, 320 rows (fills the screen) or 240 (the game's own size, drawn 80 rows down).
struct Field {
    int rows;
    std::vector<uint16_t> background;
    std::vector<uint16_t> screen;
    explicit Field(int r) : rows(r), background(640 * size_t(r)), screen(240 * 320)
    {
        for (size_t i = 0; i < background.size(); i++) background[i] = uint16_t(i * 7);
    }
};

void BM_copy_rect(benchmark::State& state)
{
    Field f(int(state.range(0)));
    for (auto _ : state) {
        copy_rect(0, 0, 240, f.rows, f.background.data() + 100, 640, f.screen.data(), 240);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * 240 * f.rows * 2);
}

// The same number of bytes as one block: the floor of any copy.
void BM_memcpy_block(benchmark::State& state)
{
    Field f(int(state.range(0)));
    for (auto _ : state) {
        std::memcpy(f.screen.data(), f.background.data() + 100, size_t(240) * size_t(f.rows) * 2);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * 240 * f.rows * 2);
}

// The same bytes as they lie in the background: one memcpy per row.
void BM_memcpy_rows(benchmark::State& state)
{
    Field f(int(state.range(0)));
    size_t rowBytes = 480;
    benchmark::DoNotOptimize(rowBytes);  // a size known only at run time, as in the game
    for (auto _ : state) {
        for (int y = 0; y < f.rows; y++)
            std::memcpy(f.screen.data() + size_t(y) * 240, f.background.data() + 100 + size_t(y) * 640, rowBytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * 240 * f.rows * 2);
}

// draw_background with one copy (view 100) or two across the seam (view 500).
void BM_draw_background(benchmark::State& state)
{
    Field f(int(state.range(0)));
    Playfield.pixels = f.background.data();
    Playfield.width = 640;
    Playfield.height = f.rows;
    Playfield.set_view(float(state.range(1)), 0.0f);
    for (auto _ : state) {
        Playfield.draw_background(f.screen.data());
        benchmark::ClobberMemory();
    }
    Playfield.pixels = nullptr;
    state.SetBytesProcessed(state.iterations() * 240 * f.rows * 2);
}

}  // namespace

BENCHMARK(BM_memcpy_block)->Arg(320)->Arg(240);
BENCHMARK(BM_memcpy_rows)->Arg(320)->Arg(240);
BENCHMARK(BM_copy_rect)->Arg(320)->Arg(240);
BENCHMARK(BM_draw_background)->Args({320, 100})->Args({320, 500})->Args({240, 100})->Args({240, 500});
