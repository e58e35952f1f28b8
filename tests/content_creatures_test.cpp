// The generated creature and effect frames: every strip the game names, complete, uniform, keyed and inside its frame box.
#include <gtest/gtest.h>
#include <minizip/unzip.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "game/hero.h"
#include "game/monster_kind.h"
#include "resources/archive_listing.h"
#include "support/gfx_files.h"
#include "support/temp_folder.h"

namespace {

// ---- What the game loads ---------------------------------------------------------------------------------------

struct StripName {
    std::string folder;  // folder under graphics, also the creature archive's name
    std::string base;    // frame base name relative to the program folder
};

// A strip a creature draws: its set and facing, and the scale and scratch pad it is drawn at.
struct CreatureStrip {
    StripName strip;
    int action, direction;
    float scale;
    int box_w, box_h;
};

// Every named strip of every monster kind and of the hero, as the game's own tables name them.
std::vector<CreatureStrip> creature_strips()
{
    std::vector<CreatureStrip> out;
    auto add = [&](const CStripSet& set, int action, float scale, int w, int h) {
        for (int d = 0; d < 10; d++) {
            const std::string base = set.slot[d].name;
            const size_t start = base.find('\\') + 1;  // "graphics\<folder>\..."
            const std::string folder = base.substr(start, base.find('\\', start) - start);
            if (!base.empty()) out.push_back({{folder, base}, action, d, scale, w, h});
        }
    };
    for (const CMonsterKind& k : MonsterKinds.kinds)
        for (int a = 0; a < kMonsterActionCount; a++) add(k.strips[a], a, k.scale, k.frameBoxWidth, k.frameBoxHeight);
    name_hero_strips();
    const std::pair<const CStripSet*, int> hero[] = {{&HeroWalkStrips, ACTION_WALK}, {&HeroRunStrips, ACTION_RUN},
        {&HeroIdleStrips, ACTION_IDLE}, {&HeroShootStrips, ACTION_ATTACK}, {&HeroDeathStrips, ACTION_DEATH}};
    for (auto [set, action] : hero) add(*set, action, kHeroScaleFactor, kHeroScratchSize, kHeroScratchSize);
    return out;
}

const StripName kEffects[] = {
    {"misc", "graphics\\misc\\fire_ball_"},       {"misc", "graphics\\misc\\super_fire_ball_"},
    {"misc", "graphics\\misc\\blue_star_"},       {"explosion", "graphics\\explosion\\explod"},
    {"misc", "graphics\\misc\\smokesmall"},       {"misc", "graphics\\misc\\health_2_00"},
    {"interface", "graphics\\interface\\pod_"},   {"cannon", "graphics\\cannon\\cannon_fire_00"},
    {"dfly", "graphics\\dfly\\dfly_fly_6_00"}};

std::vector<StripName> all_strips()
{
    std::vector<StripName> out;
    std::set<std::string> seen;
    for (const CreatureStrip& c : creature_strips())
        if (seen.insert(c.strip.base).second) out.push_back(c.strip);
    for (const StripName& s : kEffects) out.push_back(s);
    return out;
}

// ---- Reading files loose or from their creature archive ---------------------------------------------------------

std::string loose_path(const std::string& name)
{
    std::string p = std::string(VORLAINE_GAME_DIR) + "/";
    for (char c : name) p += c == '\\' ? '/' : c;
    return p;
}

std::string base_name(const std::string& name) { return name.substr(name.rfind('\\') + 1); }

// The creature archives ("graphics\<name>\<name>.zip") hold their frames under bare file names.
std::string archive_of(const std::string& folder)
{
    return loose_path("graphics\\" + folder + "\\" + folder + ".zip");
}

bool read_packed(const std::string& folder, const std::string& name, std::vector<uint8_t>& out)
{
    unzFile z = unzOpen(archive_of(folder).c_str());
    if (!z) return false;
    bool ok = false;
    if (unzLocateFile(z, base_name(name).c_str(), 2) == UNZ_OK && unzOpenCurrentFile(z) == UNZ_OK) {
        out.clear();
        char buf[8192];
        int n;
        while ((n = unzReadCurrentFile(z, buf, sizeof buf)) > 0) out.insert(out.end(), buf, buf + n);
        ok = n == 0;
        unzCloseCurrentFile(z);
    }
    unzClose(z);
    return ok;
}

// A data file loose, or else from its creature archive.
bool read_data(const std::string& folder, const std::string& name, std::vector<uint8_t>& out)
{
    out = read_bytes(loose_path(name));
    return !out.empty() || read_packed(folder, name, out);
}

std::string frame_name(const std::string& base, int n)
{
    char num[16];
    std::snprintf(num, sizeof num, "%s%d.tga", n < 10 ? "0" : "", n);
    return base + num;
}

// Entry names of a creature archive, read once (none when the folder is not packed).
const std::set<std::string>& packed_names(const std::string& folder)
{
    static std::map<std::string, std::set<std::string>> cache;
    auto [it, fresh] = cache.try_emplace(folder);
    if (fresh) {
        const std::vector<std::string> entries = list_archive(archive_of(folder).c_str()).entries;
        it->second.insert(entries.begin(), entries.end());
    }
    return it->second;
}

// Every frame number present for a base name, loose or packed.
std::set<int> frame_numbers(const StripName& s)
{
    std::set<int> nums;
    for (int n = 1; n <= 99; n++) {
        const std::string name = frame_name(s.base, n);
        if (path_exists(loose_path(name)) || packed_names(s.folder).count(base_name(name))) nums.insert(n);
    }
    return nums;
}

// ---- The TGA layout the game reads ------------------------------------------------------------------------------

struct Tga {
    int w = 0, h = 0;
    std::vector<uint8_t> palette;  // 256 x (b, g, r)
    std::vector<uint8_t> pixels;   // bottom row first
    uint8_t at(int x, int y) const { return pixels[size_t(h - 1 - y) * size_t(w) + size_t(x)]; }
    uint16_t colour(int index) const
    {
        return rgb565(palette[size_t(index) * 3 + 2], palette[size_t(index) * 3 + 1], palette[size_t(index) * 3]);
    }
};

::testing::AssertionResult parse_tga(const std::vector<uint8_t>& b, Tga& t)
{
    if (b.size() < 18 + 768) return ::testing::AssertionFailure() << "too short: " << b.size() << " bytes";
    // Uncompressed and colour-mapped, the map 256 entries of 24 bits from 0, 8 bits a pixel.
    if (b[0] != 0 || b[1] != 1 || b[2] != 1 || (b[3] | b[4] << 8) != 0 || (b[5] | b[6] << 8) != 256 || b[7] != 24 ||
        b[16] != 8)
        return ::testing::AssertionFailure() << "not an uncompressed 8-bit TGA with a 256-entry 24-bit colour map";
    if (b[17] & 0x20) return ::testing::AssertionFailure() << "rows stored top first; the game reads bottom row first";
    t.w = b[12] | b[13] << 8;
    t.h = b[14] | b[15] << 8;
    if (t.w < 2 || t.h < 2) return ::testing::AssertionFailure() << "size " << t.w << " x " << t.h;
    size_t need = 18 + 768 + size_t(t.w) * size_t(t.h);
    if (b.size() < need) return ::testing::AssertionFailure() << "pixel data cut short";
    t.palette.assign(b.begin() + 18, b.begin() + 18 + 768);
    t.pixels.assign(b.begin() + 18 + 768, b.begin() + long(need));
    return ::testing::AssertionSuccess();
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

const char* const kShadows[] = {"graphics\\misc\\shadow_small.tga", "graphics\\misc\\shadow_big.tga"};

struct StripInfo {
    int frames = 0, w = 0, h = 0;
    int lowest = -1;  // the lowest row frame 01 draws on
};

// Reads a whole strip and checks it on the way; the frame size is the first frame's. Odd widths keep the
// centre column (the feet) in place when the game flips a frame, and a strip whose frames are all alike
// would be a pose that never moved.
void check_strip(const StripName& s, StripInfo* info)
{
    std::set<int> nums = frame_numbers(s);
    ASSERT_FALSE(nums.empty()) << "no frame 01";
    ASSERT_EQ(*nums.begin(), 1) << "frames do not start at 01";
    ASSERT_EQ(*nums.rbegin(), int(nums.size())) << "a gap in the frame numbers";
    std::vector<uint8_t> first;
    bool moves = nums.size() < 2;
    for (int n : nums) {
        SCOPED_TRACE(frame_name(s.base, n));
        Tga t;
        std::vector<uint8_t> bytes;
        ASSERT_TRUE(read_data(s.folder, frame_name(s.base, n), bytes));
        ASSERT_TRUE(parse_tga(bytes, t));
        if (n == 1) {
            info->w = t.w;
            info->h = t.h;
            first = t.pixels;
            for (int y = 0; y < t.h; y++)
                for (int x = 0; x < t.w; x++)
                    if (t.at(x, y)) info->lowest = y;
        }
        ASSERT_EQ(t.w, info->w) << "width differs from frame 01";
        ASSERT_EQ(t.h, info->h) << "height differs from frame 01";
        EXPECT_EQ(t.w % 2, 1);
        ASSERT_TRUE(keyed_properly(t));
        moves = moves || t.pixels != first;
    }
    EXPECT_TRUE(moves) << "every frame is the same";
    info->frames = int(nums.size());
}

TEST(CreatureContent, EveryStripIsCompleteKeyedAnimatedAndFitsEveryScratchPadItIsDrawnIn)
{
    std::map<std::string, StripInfo> seen;
    for (const StripName& s : all_strips()) {
        SCOPED_TRACE(s.base);
        check_strip(s, &seen[s.base]);
        if (HasFatalFailure()) return;
    }
    for (const CreatureStrip& c : creature_strips()) {
        SCOPED_TRACE(c.strip.base);
        const StripInfo& i = seen[c.strip.base];
        // Drawn by the bottom centre: every standing pose draws something near the bottom of its frame.
        const bool standing = c.direction == 6 && c.action != ACTION_DEATH;
        EXPECT_TRUE(!standing || i.lowest >= i.h - 1 - i.h / 4) << "nothing drawn near the bottom";
        // The game scales by truncating width x scale (at the nearest line, 100 %).
        EXPECT_LE(int(float(i.w) * c.scale), c.box_w) << i.w << " wide at " << c.scale;
        EXPECT_LE(int(float(i.h) * c.scale), c.box_h) << i.h << " high at " << c.scale;
        // A melee blow lands on frame 4 or later, and a shot leaves then: shorter strips never hit.
        const bool blow = c.action == ACTION_ATTACK || c.action == ACTION_SHOOT;
        EXPECT_TRUE(!blow || i.frames >= 5) << i.frames << " frames";
    }
}

TEST(CreatureContent, ShadowPicturesAreKeyedDitheredEllipses)
{
    for (const char* name : kShadows) {
        SCOPED_TRACE(name);
        Tga t;
        ASSERT_TRUE(parse_tga(read_bytes(loose_path(name)), t));
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
