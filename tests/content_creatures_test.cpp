// The generated strips: every creature, effect, icon and scenery strip keyed and animated, creatures on their feet.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <utility>
#include <set>
#include <string>
#include <vector>

#include "game/hero.h"
#include "game/monster_kind.h"
#include "resources/resource_file.h"
#include "support/gfx_files.h"
#include "support/temp_folder.h"

namespace {

// ---- What the game loads ---------------------------------------------------------------------------------------

// A strip a creature draws (its frame base name), its set and its facing.
struct CreatureStrip {
    std::string base;
    int action, direction;
};

// Every named strip of every monster kind and of the hero, as the game's own tables name them.
std::vector<CreatureStrip> creature_strips()
{
    std::vector<CreatureStrip> out;
    auto add = [&](const CStripSet& set, int action) {
        for (int d = 0; d < 10; d++)
            if (set.slot[d].name[0]) out.push_back({set.slot[d].name, action, d});
    };
    for (const CMonsterKind& k : MonsterKinds.kinds)
        for (int a = 0; a < kMonsterActionCount; a++) add(k.strips[a], a);
    name_hero_strips();
    const std::pair<const CStripSet*, int> hero[] = {{&HeroWalkStrips, ACTION_WALK}, {&HeroRunStrips, ACTION_RUN},
        {&HeroIdleStrips, ACTION_IDLE}, {&HeroShootStrips, ACTION_ATTACK}, {&HeroDeathStrips, ACTION_DEATH}};
    for (auto [set, action] : hero) add(*set, action);
    return out;
}

// Every strip the game draws creatures and effects with, each once.
std::vector<std::string> all_strips()
{
    std::vector<std::string> out = {"graphics\\misc\\fire_ball_", "graphics\\misc\\super_fire_ball_",
        "graphics\\misc\\blue_star_", "graphics\\explosion\\explod", "graphics\\misc\\smokesmall",
        "graphics\\misc\\health_2_00", "graphics\\interface\\pod_", "graphics\\cannon\\cannon_fire_00",
        "graphics\\dfly\\dfly_fly_6_00"};
    std::set<std::string> seen;
    for (const CreatureStrip& c : creature_strips())
        if (seen.insert(c.base).second) out.push_back(c.base);
    return out;
}

// ---- Reading files loose or from their archive ------------------------------------------------------------------

std::string loose_path(const std::string& name)
{
    std::string p = std::string(VORLAINE_GAME_DIR) + "/";
    for (char c : name) p += c == '\\' ? '/' : c;
    return p;
}

// The frames of every archive under graphics (a creature's, or a single frame's), unpacked once under their
// bare file names by the game's own unpacking, into a temporary program folder.
std::string unpacked(const std::string& name)
{
    static TempFolder folder;
    static const bool done = [] {
        folder.make_program_folder();
        for (const auto& e : std::filesystem::recursive_directory_iterator(std::string(VORLAINE_GAME_DIR) + "/graphics"))
            if (e.path().extension() == ".zip") unzip_file(e.path().c_str(), "");
        return true;
    }();
    return done ? folder.file(name.substr(name.rfind('\\') + 1)) : std::string();
}

// A data file loose, or else unpacked from its archive; empty when it is neither.
std::vector<uint8_t> read_data(const std::string& name)
{
    std::vector<uint8_t> bytes = read_bytes(loose_path(name));
    return bytes.empty() ? read_bytes(unpacked(name)) : bytes;
}

std::string frame_name(const std::string& base, int n)
{
    return base + (n < 10 ? "0" : "") + std::to_string(n) + ".tga";
}

// ---- The TGA layout the game reads ------------------------------------------------------------------------------

// An 18-byte header, 256 palette entries of blue, green and red, then a byte a pixel, bottom row first. The
// data check holds every TGA the game names to that layout, its strips to one size and to their scratch pads.
struct Tga {
    int w = 0, h = 0;
    std::vector<uint8_t> palette;
    std::vector<uint8_t> pixels;
    uint8_t at(int x, int y) const { return pixels[size_t(h - 1 - y) * size_t(w) + size_t(x)]; }
    uint16_t colour(int index) const
    {
        return rgb565(palette[size_t(index) * 3 + 2], palette[size_t(index) * 3 + 1], palette[size_t(index) * 3]);
    }
};

bool parse_tga(const std::vector<uint8_t>& b, Tga& t)
{
    if (b.size() < 18 + 768) return false;
    t.w = b[12] | b[13] << 8;
    t.h = b[14] | b[15] << 8;
    const size_t need = 18 + 768 + size_t(t.w) * size_t(t.h);
    if (t.w < 2 || t.h < 2 || b.size() < need) return false;
    t.palette.assign(b.begin() + 18, b.begin() + 18 + 768);
    t.pixels.assign(b.begin() + 18 + 768, b.begin() + long(need));
    return true;
}

// The key is the top-left pixel (the first pixel of the second row for mirrored frames): both must be
// index 0, and no drawn pixel may turn transparent by sharing the key's 5-6-5 colour.
::testing::AssertionResult keyed_properly(const Tga& t)
{
    if (t.at(0, 0) != 0) return ::testing::AssertionFailure() << "top-left pixel is index " << int(t.at(0, 0));
    if (t.at(0, 1) != 0) return ::testing::AssertionFailure() << "first pixel of row two is index " << int(t.at(0, 1));
    uint16_t key = t.colour(0);
    int visible = 0;
    for (int y = 0; y < t.h; y++)
        for (int x = 0; x < t.w; x++) {
            int i = t.at(x, y);
            if (i == 0) continue;
            visible++;
            if (t.colour(i) == key)
                return ::testing::AssertionFailure() << "pixel " << x << "," << y << " (index " << i << ") has the key colour";
        }
    if (!visible) return ::testing::AssertionFailure() << "nothing drawn";
    return ::testing::AssertionSuccess();
}

struct StripInfo {
    int frames = 0, w = 0, h = 0;
    int lowest = -1;  // the lowest row frame 01 draws on
};

// Reads a strip up to its first missing frame, as the game does, and checks each frame on the way. A strip
// whose frames are all alike would be a pose that never moved.
void check_strip(const std::string& base, StripInfo* info)
{
    std::vector<uint8_t> first;
    bool moves = false;
    for (std::vector<uint8_t> bytes; !(bytes = read_data(frame_name(base, info->frames + 1))).empty();) {
        const int n = ++info->frames;
        SCOPED_TRACE(frame_name(base, n));
        Tga t;
        ASSERT_TRUE(parse_tga(bytes, t)) << "not a TGA of the game's layout";
        ASSERT_TRUE(keyed_properly(t));
        if (n == 1) {
            info->w = t.w;
            info->h = t.h;
            first = t.pixels;
            for (int y = 0; y < t.h; y++)
                for (int x = 0; x < t.w; x++)
                    if (t.at(x, y)) info->lowest = y;
        }
        ASSERT_TRUE(t.w == info->w && t.h == info->h) << "of another size than frame 01";
        moves = moves || t.pixels != first;
    }
    ASSERT_GT(info->frames, 0) << "no frame 01";
    EXPECT_TRUE(moves || info->frames == 1) << "every frame is the same";
}

TEST(CreatureContent, EveryStripIsKeyedAnimatedAndStandsOnTheBottomOfItsFrame)
{
    std::map<std::string, StripInfo> seen;
    for (const std::string& base : all_strips()) {
        SCOPED_TRACE(base);
        check_strip(base, &seen[base]);
        if (HasFatalFailure()) return;
        // Odd widths keep the centre column (the feet) in place when the game flips a frame.
        EXPECT_EQ(seen[base].w % 2, 1);
    }
    // The spell icons, the loading indicator and the scenery, never flipped, are keyed as strictly.
    for (const char* base : {"graphics\\misc\\icon_fire", "graphics\\misc\\icon_big_fire", "graphics\\misc\\icon_lightning",
                             "graphics\\misc\\icon_abomb", "graphics\\misc\\loading_", "graphics\\scenery\\torch_",
                             "graphics\\scenery\\lava_flame_", "graphics\\scenery\\campfire_"}) {
        SCOPED_TRACE(base);
        StripInfo i;
        check_strip(base, &i);
    }
    for (const CreatureStrip& c : creature_strips()) {
        SCOPED_TRACE(c.base);
        const StripInfo& i = seen[c.base];
        // Drawn by the bottom centre: every standing pose draws something near the bottom of its frame.
        const bool standing = c.direction == 6 && c.action != ACTION_DEATH;
        EXPECT_TRUE(!standing || i.lowest >= i.h - 1 - i.h / 4) << "nothing drawn near the bottom";
        // A melee blow lands on frame 4 or later, and a shot leaves then: shorter strips never hit.
        const bool blow = c.action == ACTION_ATTACK || c.action == ACTION_SHOOT;
        EXPECT_TRUE(!blow || i.frames >= 5) << i.frames << " frames";
    }
}

TEST(CreatureContent, ShadowPicturesAreKeyedDitheredEllipses)
{
    for (const char* name : {"graphics\\misc\\shadow_small.tga", "graphics\\misc\\shadow_big.tga"}) {
        SCOPED_TRACE(name);
        Tga t;
        ASSERT_TRUE(parse_tga(read_bytes(loose_path(name)), t)) << "not a TGA of the game's layout";
        ASSERT_TRUE(keyed_properly(t));
        // Dithered: no two drawn pixels side by side in the middle row (there is no alpha to darken with).
        int y = t.h / 2, runs = 0;
        for (int x = 1; x < t.w; x++) runs += t.at(x, y) != 0 && t.at(x - 1, y) != 0;
        EXPECT_EQ(runs, 0);
    }
}

TEST(CreatureContent, ASecondRunWritesTheSameBytes)
{
    // The content is rebuilt on other machines and must come out identical: run the generator again.
    std::string gen = std::string(VORLAINE_GAME_DIR) + "/../tools/contentgen/contentgen";
    if (!path_exists(gen)) GTEST_SKIP() << "no generator at " << gen;
    TempFolder tmp;
    std::string cmd = "\"" + gen + "\" --out \"" + tmp.path() + "game\" --sheets \"" + tmp.path() + "sheets\" > \"" +
                      tmp.path() + "log.txt\" 2>&1";
    ASSERT_EQ(std::system(cmd.c_str()), 0) << read_text(tmp.path() + "log.txt");
    // Every file it writes, creature archives included, comes out byte for byte as the build's.
    const std::string again = tmp.path() + "game";
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(again)) {
        if (!entry.is_regular_file()) continue;
        const std::string relative = std::filesystem::relative(entry.path(), again).string();
        const std::string built = std::string(VORLAINE_GAME_DIR) + "/" + relative;
        ASSERT_TRUE(read_bytes(entry.path().string()) == read_bytes(built)) << relative << " differs between runs";
        files++;
    }
    EXPECT_GT(files, 1000);
}

}  // namespace
