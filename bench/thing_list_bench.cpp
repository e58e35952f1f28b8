// One game frame over 60 walking actors (100 x 100 frames, mixed scales) beside a back-buffer copy baseline.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "app/app_state.h"
#include "game/actor.h"
#include "game/thing_list.h"
#include "graphics/display.h"
#include "graphics/playfield.h"
#include "util/numeric.h"

namespace {

constexpr int kActors = 60;
constexpr int kSide = 100;
constexpr int kFrames = 8;
constexpr uint16_t kKey = 0xF81F;

// A shaded disc on the key colour, a little different in every frame.
void fill_strip(CGraphicStrip& s, int shade)
{
    s.width = s.height = kSide;
    s.frameCount = kFrames;
    s.frames = static_cast<uint16_t*>(std::malloc(size_t(kFrames) * kSide * kSide * sizeof(uint16_t)));
    for (int f = 0; f < kFrames; f++)
        for (int y = 0; y < kSide; y++)
            for (int x = 0; x < kSide; x++) {
                const int dx = x - kSide / 2, dy = y - kSide / 2 - f;
                const bool inside = dx * dx + dy * dy < (kSide / 2 - 4) * (kSide / 2 - 4);
                s.frames[(size_t(f) * kSide + size_t(y)) * kSide + size_t(x)] =
                    inside ? uint16_t(((x + shade) & 31) << 11 | (y & 63) << 5 | (f * 3)) : kKey;
            }
}

struct Walkers {
    CStripSet set;
    Walkers()
    {
        int shade = 0;
        for (int d : {6, 2, 8, 9, 3}) fill_strip(set.slot[d], shade += 5);
        set.mirror(4, 6);
        set.mirror(1, 3);
        set.mirror(7, 9);
    }
};

// Walks, animates, turns now and then, and turns away from what blocks it, as creatures do.
class Walker : public CActor {
public:
    void think() override
    {
        step_tint();
        if (frameTimer.ready()) step_animation(animMode);
        if (turnTimer.ready()) random_turn();
        move();
        unblock();
    }
    CTimer turnTimer;
};

struct Scene {
    Walkers strips;
    CThingList list;
    int spread;
    int framesRun = 0;
    std::vector<uint16_t> back = std::vector<uint16_t>(size_t(kScreenWidth) * kScreenHeight, 0);

    explicit Scene(int spread) : spread(spread) { populate(); }

    // A fresh list: actors spread over the depth band, so scales run from about 20 % to 100 %.
    void populate()
    {
        list.clear();
        srand(1);
        AppState.frameScale = 1.0;
        AppState.frameTime = 1000;
        g_drawTarget = back.data();
        Playfield.scaleMod = 0.8f;  // far line 20 %, near line 100 %
        Playfield.set_playfield_rect(Rect{0, 70, 640, 235});
        Playfield.viewX = 200.0f;
        Playfield.viewY = -80.0f;
        for (int i = 0; i < kActors; i++) {
            auto* w = new Walker;
            list.add_thing(w);
            w->alloc_scratch(kSide, kSide);
            w->set_position(200 + random_below(spread), 80 + (i * 150) / kActors);
            w->apply_depth_scale();
            w->set_strip_set(&strips.set);
            const int d = 1 + random_below(8);
            w->set_direction(d == 5 ? 9 : d);
            w->speed = w->targetSpeed = 0.6f;
            w->frameDelay = 120;
            w->frameTimer.set_interval(120);
            w->turnTimer.set_interval(700 + 37 * i);
            if (i % 7 == 0) w->fade_tint(20.0f, 0.0f, 0.0f, 1.0f, 300, 1.0f);
        }
    }
    ~Scene()
    {
        list.clear();
        g_drawTarget = nullptr;
    }
    // Left alone for long the walkers drift off screen and to the far line; every 100 frames the
    // scene is set up again, outside the timing.
    void keep_fresh(benchmark::State& state)
    {
        if (++framesRun % 100 != 0) return;
        state.PauseTiming();
        populate();
        state.ResumeTiming();
    }
    void frame()
    {
        AppState.frameTime += 10;
        list.think_all();
        list.resort();
        list.draw_all();
    }
};

void BM_BackBufferCopy(benchmark::State& state)
{
    std::vector<uint16_t> from(size_t(kScreenWidth) * kScreenHeight, 0x1234), to(from.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size() * sizeof(uint16_t));
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BackBufferCopy);

// Arg: how wide a strip of the playfield the actors start in (240: all on screen; 640: the whole field).
void BM_ThingListFrame(benchmark::State& state)
{
    Scene scene(int(state.range(0)));
    for (auto _ : state) {
        scene.keep_fresh(state);
        scene.frame();
        benchmark::DoNotOptimize(scene.back.data());
    }
    state.counters["per_thing"] = benchmark::Counter(double(state.iterations()) * kActors,
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ThingListFrame)->Arg(240)->Arg(640)->Unit(benchmark::kMicrosecond);

// The three passes apart, all actors on screen.
void BM_ThinkAll(benchmark::State& state)
{
    Scene scene(240);
    for (auto _ : state) {
        scene.keep_fresh(state);
        AppState.frameTime += 10;
        scene.list.think_all();
        scene.list.resort();
    }
    state.counters["per_thing"] = benchmark::Counter(double(state.iterations()) * kActors,
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ThinkAll)->Unit(benchmark::kMicrosecond);

void BM_DrawAll(benchmark::State& state)
{
    Scene scene(240);
    for (auto _ : state) {
        scene.list.draw_all();
        benchmark::DoNotOptimize(scene.back.data());
    }
    state.counters["per_thing"] = benchmark::Counter(double(state.iterations()) * kActors,
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_DrawAll)->Unit(benchmark::kMicrosecond);


}  // namespace
