// One full game frame in a busy scene (hero, 30 monsters, 10 projectiles, bursts, pickups, 640 wide) beside the background copy alone.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/app_state.h"
#include "game/explosion.h"
#include "game/hero.h"
#include "game/level_progress.h"
#include "game/monster.h"
#include "game/monster_kind.h"
#include "game/pickup.h"
#include "game/projectile.h"
#include "game/spells.h"
#include "game/thing_list.h"
#include "game/well_known_ids.h"
#include "graphics/display.h"
#include "graphics/graphic_strip.h"
#include "graphics/playfield.h"
#include "platform/debug_output_file.h"
#include "util/numeric.h"

namespace {

constexpr int kMonsters = 30;
constexpr int kProjectiles = 10;
constexpr int kBursts = 6;
constexpr int kPickups = 6;
constexpr int kFieldWidth = 640;
constexpr int kFieldHeight = 320;
constexpr uint16_t kKey = 0xF81F;

// A shaded body on the key colour, a little different in every frame, as the creature strips are.
void fill_strip(CGraphicStrip& s, int w, int h, int frames, int shade)
{
    s.free_frames();
    s.width = uint32_t(w);
    s.height = uint32_t(h);
    s.frameCount = uint32_t(frames);
    s.frames = static_cast<uint16_t*>(std::malloc(size_t(frames) * size_t(w) * size_t(h) * sizeof(uint16_t)));
    for (int f = 0; f < frames; f++)
        for (int y = 0; y < h; y++)
            for (int x = 0; x < w; x++) {
                const int dx = x - w / 2, dy = y - h / 2 - f;
                const bool inside = dx * dx * h * h + dy * dy * w * w < (w * h / 2 - 2 * w) * (w * h / 2 - 2 * h);
                s.frames[(size_t(f) * size_t(h) + size_t(y)) * size_t(w) + size_t(x)] =
                    inside ? uint16_t(((x + shade) & 31) << 11 | ((y + f) & 63) << 5 | (shade & 31)) : kKey;
            }
}

void fill_set(CStripSet& set, int w, int h, int frames, int shade)
{
    for (int d : {6, 2, 8, 9, 3}) fill_strip(set.slot[d], w, h, frames, shade += 3);
    set.mirror(4, 6);
    set.mirror(1, 3);
    set.mirror(7, 9);
}

struct Scene {
    CThingList& list = GameList;
    std::vector<uint16_t> back = std::vector<uint16_t>(size_t(kScreenWidth) * kScreenHeight, 0);
    std::vector<uint16_t> field = std::vector<uint16_t>(size_t(kFieldWidth) * kFieldHeight);
    CMonsterKind* zombie = nullptr;
    CMonsterKind* wolf = nullptr;
    long framesRun = 0;

    Scene()
    {
        debug_output_open("/dev/null");
        for (size_t i = 0; i < field.size(); i++) field[i] = uint16_t(i * 2654435761u >> 16);
        Playfield.pixels = field.data();
        Playfield.width = kFieldWidth;
        Playfield.height = kFieldHeight;
        Playfield.fieldStart = 160;
        Playfield.fieldEnd = 18;
        Playfield.scaleMod = 0.55f;
        Playfield.set_playfield_rect(Rect{-8, 160, 648, 302});
        AppState.backBuffer = back.data();
        g_drawTarget = back.data();
        AppState.currentGameList = &list;

        fill_set(HeroRunStrips, 87, 82, 8, 0);
        fill_set(HeroWalkStrips, 87, 82, 8, 5);
        fill_set(HeroIdleStrips, 87, 82, 5, 9);
        fill_set(HeroShootStrips, 87, 82, 8, 13);
        zombie = MonsterKinds.find_kind(101);
        wolf = MonsterKinds.find_kind(100);
        for (CMonsterKind* kind : {zombie, wolf})
            for (int a = 0; a < kMonsterActionCount; a++)
                if (a != ACTION_RUN || kind == wolf) fill_set(kind->strips[a], 90, 80, 8, 20 + a * 4);
        fill_strip(FireballStrips.slot[5], 24, 24, 4, 40);
        fill_strip(ExplosionStrip, 64, 64, 12, 50);
        populate();
    }
    ~Scene()
    {
        list.clear();
        Playfield.pixels = nullptr;
        g_drawTarget = nullptr;
        AppState.backBuffer = nullptr;
        debug_output_close();
    }

    void populate()
    {
        list.clear();
        srand(7);
        AppState.frameScale = 1.0;
        AppState.frameTime = 1000;
        clear_well_known_ids();
        clear_level_counters(LevelProgress);
        LevelProgress.paused = 0;
        Playfield.viewX = 200.0f;
        Playfield.viewY = 0.0f;

        auto* hero = new CHero;
        WellKnownIds[SLOT_HERO] = list.add_thing(hero);
        hero->set_position(320, 250);
        hero->apply_depth_scale();
        for (int i = 0; i < kMonsters; i++) {
            auto* m = new CMonster;
            list.add_thing(m);
            m->init(i % 3 ? 101 : 100);
            m->watch_pause(&LevelProgress.paused);
            // Most of them on or near the screen, some across the field.
            m->set_position(i < 20 ? 200 + random_below(260) : random_below(kFieldWidth), 170 + random_below(125));
            m->apply_depth_scale();
        }
        for (int i = 0; i < kPickups; i++) {
            auto* p = new CHealthPickup;
            fill_strip(p->strips.slot[0], 28, 28, 4, 60 + i);
            list.add_thing(p);
            p->place(220 + 40 * i, 200 + 15 * i);
        }
        top_up();
    }

    // The shots and bursts of a fight: kept at their numbers as they end.
    void top_up()
    {
        int shots = 0, bursts = 0;
        std::vector<CMonster*> casters;
        for (CThing* t = list.first_thing(); t; t = list.next_thing()) {
            if (dynamic_cast<CProjectile*>(t)) shots++;
            if (dynamic_cast<CExplosion*>(t)) bursts++;
            if (auto* m = dynamic_cast<CMonster*>(t)) casters.push_back(m);
        }
        for (; shots < kProjectiles && !casters.empty(); shots++) {
            CMonster* m = casters[size_t(random_below(int(casters.size())))];
            cast_spell(m, float(random_below(628)) * 0.01f, SPELL_MONSTER_FIREBALL);
        }
        for (; bursts < kBursts; bursts++)
            spawn_explosion(&list, 200 + random_below(240), 180 + random_below(110), 60 + random_below(40), 200,
                            EXPLOSION_FIRE);
    }

    // The frame as the game screen runs it: think, resort, background, draw.
    void frame()
    {
        AppState.frameTime += 10;
        list.think_all();
        list.resort();
        Playfield.request_redraw(1);
        Playfield.update(back.data());
        list.draw_all();
    }

    void keep_busy(benchmark::State& state)
    {
        state.PauseTiming();
        if (++framesRun % 400 == 0) populate();
        top_up();
        state.ResumeTiming();
    }
};

// The baseline: the playfield's background copied into the back buffer, the frame's least possible work.
void BM_BackgroundCopy(benchmark::State& state)
{
    Scene scene;
    for (auto _ : state) {
        Playfield.draw_background(scene.back.data());
        benchmark::DoNotOptimize(scene.back.data());
        benchmark::ClobberMemory();
    }
}

void BM_GameFrame(benchmark::State& state)
{
    Scene scene;
    for (auto _ : state) {
        scene.keep_busy(state);
        scene.frame();
        benchmark::DoNotOptimize(scene.back.data());
    }
    state.counters["things"] = double(scene.list.count());
}

}  // namespace

BENCHMARK(BM_BackgroundCopy)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GameFrame)->Unit(benchmark::kMicrosecond);
