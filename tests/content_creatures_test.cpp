// The generated creature and effect frames: every strip the game names, complete, uniform, keyed and inside its frame box.
#include <gtest/gtest.h>
#include <minizip/unzip.h>
#include "support/temp_folder.h"
#include <cstdlib>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

// ---- What the game loads ---------------------------------------------------------------------------------------

const char* const kFive = "62893";

struct StripName {
    std::string folder;  // folder under graphics, also the creature archive's name
    std::string base;    // frame base name relative to the program folder
};

StripName creature_strip(const std::string& folder, const std::string& prefix, const std::string& word, char dir)
{
    return {folder, "graphics\\" + folder + "\\" + prefix + "_" + word + "_" + std::string(1, dir) + "_00"};
}

// A kind: its folder, the action words it loads in five directions, its death strip, and its frame box.
struct Kind {
    int id;
    std::string folder;
    std::vector<std::string> words;
    std::string death_folder, death_word;
    char death_dir;
    float scale;
    int box_w, box_h;
};

const std::vector<Kind>& kinds()
{
    static const std::vector<Kind> k = {
        {108, "alian", {"walk", "idle", "attack"}, "alian", "die", '2', 1.0f, 230, 240},
        {101, "zombie", {"walk", "idle", "attack"}, "zombie", "death", '2', 0.9f, 150, 150},
        {100, "wolf", {"walk", "run", "idle", "attack"}, "wolf", "death", '2', 0.9f, 150, 150},
        {102, "ant", {"walk", "idle", "attack"}, "ant", "die", '6', 1.0f, 180, 180},
        {105, "vamp", {"walk", "run", "idle", "attack"}, "zombie", "death", '2', 0.9f, 180, 220},
        {104, "snow", {"walk", "run", "idle", "attack"}, "snow", "die", '2', 1.0f, 150, 150},
        {106, "gmean", {"walk", "run", "idle", "shoot"}, "gmean", "die", '6', 0.8f, 200, 200},
        {110, "plall", {"walk", "idle", "attack"}, "plall", "die", '2', 1.0f, 250, 200},
        {112, "wolf", {"walk", "run", "idle", "attack"}, "wolf", "death", '2', 1.7f, 250, 270},
        {111, "plall", {"walk", "idle", "attack"}, "plall", "die", '2', 1.5f, 339, 300},
        {109, "frog", {"walk", "idle", "setshoot"}, "frog", "die", '2', 1.0f, 250, 280},
        {113, "goddess", {"walk", "run", "idle", "shoot"}, "goddess", "death", '6', 1.2f, 250, 280},
        // The hero: the same folder, its 180 x 180 scratch pad at scale 1.2.
        {50, "goddess", {"walk", "run", "idle", "shoot"}, "goddess", "death", '6', 1.2f, 180, 180},
    };
    return k;
}

std::vector<StripName> kind_strips(const Kind& k)
{
    std::vector<StripName> out;
    for (const std::string& w : k.words)
        for (const char* d = kFive; *d; d++) out.push_back(creature_strip(k.folder, k.folder, w, *d));
    out.push_back(creature_strip(k.death_folder, k.death_folder, k.death_word, k.death_dir));
    return out;
}

std::vector<StripName> effect_strips()
{
    return {{"misc", "graphics\\misc\\fire_ball_"},       {"misc", "graphics\\misc\\super_fire_ball_"},
            {"misc", "graphics\\misc\\blue_star_"},       {"explosion", "graphics\\explosion\\explod"},
            {"misc", "graphics\\misc\\smokesmall"},       {"misc", "graphics\\misc\\health_2_00"},
            {"interface", "graphics\\interface\\pod_"},   {"cannon", "graphics\\cannon\\cannon_fire_00"},
            {"dfly", "graphics\\dfly\\dfly_fly_6_00"}};
}

std::vector<StripName> all_strips()
{
    std::vector<StripName> out;
    std::set<std::string> seen;
    for (const Kind& k : kinds())
        for (const StripName& s : kind_strips(k))
            if (seen.insert(s.base).second) out.push_back(s);
    for (const StripName& s : effect_strips()) out.push_back(s);
    return out;
}

// ---- Reading files loose or from their creature archive ---------------------------------------------------------

std::string loose_path(const std::string& name, const std::string& root = VORLAINE_GAME_DIR)
{
    std::string p = root + "/";
    for (char c : name) p += c == '\\' ? '/' : c;
    return p;
}

std::string base_name(const std::string& name) { return name.substr(name.rfind('\\') + 1); }

bool read_loose(const std::string& name, std::vector<uint8_t>& out, const std::string& root = VORLAINE_GAME_DIR)
{
    std::ifstream f(loose_path(name, root), std::ios::binary);
    if (!f) return false;
    out.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    return true;
}

// The creature archives ("graphics\<name>\<name>.zip") hold their frames under bare file names.
bool read_packed(const std::string& folder, const std::string& name, std::vector<uint8_t>& out,
                 const std::string& root = VORLAINE_GAME_DIR)
{
    std::string zip = loose_path("graphics\\" + folder + "\\" + folder + ".zip", root);
    unzFile z = unzOpen(zip.c_str());
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

bool read_data(const std::string& folder, const std::string& name, std::vector<uint8_t>& out,
               const std::string& root = VORLAINE_GAME_DIR)
{
    return read_loose(name, out, root) || read_packed(folder, name, out, root);
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
    auto it = cache.find(folder);
    if (it != cache.end()) return it->second;
    std::set<std::string>& names = cache[folder];
    std::string zip = loose_path("graphics\\" + folder + "\\" + folder + ".zip");
    if (unzFile z = unzOpen(zip.c_str())) {
        for (int rc = unzGoToFirstFile(z); rc == UNZ_OK; rc = unzGoToNextFile(z)) {
            char name[256];
            unz_file_info info;
            if (unzGetCurrentFileInfo(z, &info, name, sizeof name, nullptr, 0, nullptr, 0) == UNZ_OK) {
                std::string n = name;
                for (char& c : n) c = char(std::tolower(static_cast<unsigned char>(c)));
                names.insert(n);
            }
        }
        unzClose(z);
    }
    return names;
}

// Every frame number present for a base name, loose or packed.
std::set<int> frame_numbers(const StripName& s)
{
    std::set<int> nums;
    const std::set<std::string>& packed = packed_names(s.folder);
    for (int n = 1; n <= 99; n++) {
        std::string name = frame_name(s.base, n);
        std::string lower = base_name(name);
        for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
        if (std::ifstream(loose_path(name)) || packed.count(lower)) nums.insert(n);
    }
    return nums;
}

// ---- The TGA layout the game reads ------------------------------------------------------------------------------

struct Tga {
    int w = 0, h = 0;
    std::vector<uint8_t> palette;  // 256 x (b, g, r)
    std::vector<uint8_t> pixels;   // bottom row first
    uint8_t at(int x, int y) const { return pixels[size_t(h - 1 - y) * size_t(w) + size_t(x)]; }
    uint16_t rgb565(int index) const
    {
        int b = palette[size_t(index) * 3], g = palette[size_t(index) * 3 + 1], r = palette[size_t(index) * 3 + 2];
        return uint16_t(((r & 0xF8) << 8) | ((g & 0xFC) << 3) | (b >> 3));
    }
};

::testing::AssertionResult parse_tga(const std::vector<uint8_t>& b, Tga& t)
{
    if (b.size() < 18 + 768) return ::testing::AssertionFailure() << "too short: " << b.size() << " bytes";
    if (b[0] != 0 || b[1] != 1 || b[2] != 1)
        return ::testing::AssertionFailure() << "not an uncompressed colour-mapped TGA (id " << int(b[0]) << ", map " << int(b[1])
                                             << ", type " << int(b[2]) << ")";
    int map_start = b[3] | b[4] << 8, map_len = b[5] | b[6] << 8;
    if (map_start != 0 || map_len != 256 || b[7] != 24)
        return ::testing::AssertionFailure() << "colour map must be 256 entries of 24 bits from 0";
    if (b[16] != 8) return ::testing::AssertionFailure() << "not 8 bits per pixel";
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
    uint16_t key = t.rgb565(0);
    int visible = 0;
    for (int y = 0; y < t.h; y++)
        for (int x = 0; x < t.w; x++) {
            int i = t.at(x, y);
            if (i == 0) continue;
            visible++;
            if (t.rgb565(i) == key)
                return ::testing::AssertionFailure() << "pixel " << x << "," << y << " (index " << i << ") has the key colour";
        }
    if (!visible) return ::testing::AssertionFailure() << "nothing drawn";
    return ::testing::AssertionSuccess();
}

struct StripInfo {
    int frames = 0, w = 0, h = 0;
};

// Reads a whole strip and checks it on the way; the frame size is the first frame's.
void check_strip(const StripName& s, StripInfo* info)
{
    std::set<int> nums = frame_numbers(s);
    ASSERT_FALSE(nums.empty()) << s.base << ": no frame 01";
    ASSERT_EQ(*nums.begin(), 1) << s.base << ": frames do not start at 01";
    ASSERT_EQ(*nums.rbegin(), int(nums.size())) << s.base << ": a gap in the frame numbers";
    for (int n : nums) {
        std::vector<uint8_t> bytes;
        ASSERT_TRUE(read_data(s.folder, frame_name(s.base, n), bytes));
        Tga t;
        ASSERT_TRUE(parse_tga(bytes, t)) << frame_name(s.base, n);
        if (n == 1) {
            info->w = t.w;
            info->h = t.h;
        } else {
            ASSERT_EQ(t.w, info->w) << frame_name(s.base, n) << ": width differs from frame 01";
            ASSERT_EQ(t.h, info->h) << frame_name(s.base, n) << ": height differs from frame 01";
        }
        ASSERT_TRUE(keyed_properly(t)) << frame_name(s.base, n);
    }
    info->frames = int(nums.size());
}

TEST(CreatureContent, EveryStripIsCompleteUniformAndKeyed)
{
    for (const StripName& s : all_strips()) {
        SCOPED_TRACE(s.base);
        StripInfo info;
        check_strip(s, &info);
        if (HasFatalFailure()) return;
    }
}

TEST(CreatureContent, FramesFitEveryScratchPadTheyAreDrawnIn)
{
    std::map<std::string, StripInfo> seen;
    for (const Kind& k : kinds())
        for (const StripName& s : kind_strips(k)) {
            if (!seen.count(s.base)) {
                StripInfo info;
                check_strip(s, &info);
                if (HasFatalFailure()) return;
                seen[s.base] = info;
            }
            const StripInfo& i = seen[s.base];
            // The game scales by truncating width x scale (at the nearest line, 100 %).
            EXPECT_LE(int(float(i.w) * k.scale), k.box_w) << "kind " << k.id << ": " << s.base << " is " << i.w << " wide";
            EXPECT_LE(int(float(i.h) * k.scale), k.box_h) << "kind " << k.id << ": " << s.base << " is " << i.h << " high";
        }
}

TEST(CreatureContent, BlowsAndShotsHaveAFourthFrame)
{
    // A melee blow lands on frame 4 or later, and a shot leaves then: shorter strips never hit.
    for (const Kind& k : kinds())
        for (const std::string& w : k.words) {
            if (w != "attack" && w != "shoot" && w != "setshoot") continue;
            for (const char* d = kFive; *d; d++) {
                StripName s = creature_strip(k.folder, k.folder, w, *d);
                EXPECT_GE(frame_numbers(s).size(), 5u) << s.base;
            }
        }
}

TEST(CreatureContent, ShadowPicturesAreKeyedDitheredEllipses)
{
    for (const char* name : {"graphics\\misc\\shadow_small.tga", "graphics\\misc\\shadow_big.tga"}) {
        SCOPED_TRACE(name);
        std::vector<uint8_t> bytes;
        ASSERT_TRUE(read_loose(name, bytes));
        Tga t;
        ASSERT_TRUE(parse_tga(bytes, t));
        ASSERT_TRUE(keyed_properly(t));
        // Dithered: no two drawn pixels side by side in the middle row (there is no alpha to darken with).
        int y = t.h / 2, runs = 0;
        for (int x = 1; x < t.w; x++) runs += t.at(x, y) != 0 && t.at(x - 1, y) != 0;
        EXPECT_EQ(runs, 0);
    }
}

TEST(CreatureContent, CreatureFramesStandOnTheirFeet)
{
    // Drawn by the bottom centre: in every standing strip something is drawn near the bottom of the frame,
    // and the frame is odd-sized around its centre column so a mirrored frame keeps its feet in place.
    for (const Kind& k : kinds()) {
        if (k.id == 50) continue;
        for (const std::string& w : k.words) {
            StripName s = creature_strip(k.folder, k.folder, w, '6');
            std::vector<uint8_t> bytes;
            ASSERT_TRUE(read_data(s.folder, frame_name(s.base, 1), bytes)) << s.base;
            Tga t;
            ASSERT_TRUE(parse_tga(bytes, t));
            EXPECT_EQ(t.w % 2, 1) << s.base;
            int lowest = -1;
            for (int y = 0; y < t.h; y++)
                for (int x = 0; x < t.w; x++)
                    if (t.at(x, y)) lowest = y;
            EXPECT_GE(lowest, t.h - 1 - t.h / 4) << s.base << ": nothing drawn near the bottom";
        }
    }
}

TEST(CreatureContent, EveryStripAnimatesAndMirrorsAboutItsCentre)
{
    // Odd widths keep the centre column (the feet) in place when the game flips a frame, and a strip
    // whose frames are all alike would be a pose that never moved.
    for (const StripName& s : all_strips()) {
        std::set<int> nums = frame_numbers(s);
        std::vector<std::vector<uint8_t>> frames;
        for (int n : nums) {
            std::vector<uint8_t> bytes;
            ASSERT_TRUE(read_data(s.folder, frame_name(s.base, n), bytes)) << s.base;
            Tga t;
            ASSERT_TRUE(parse_tga(bytes, t));
            EXPECT_EQ(t.w % 2, 1) << frame_name(s.base, n);
            frames.push_back(t.pixels);
        }
        bool moves = frames.size() < 2;
        for (size_t k = 1; k < frames.size() && !moves; k++) moves = frames[k] != frames[0];
        EXPECT_TRUE(moves) << s.base << ": every frame is the same";
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
    std::string again = tmp.path() + "game";
    for (const StripName& s : all_strips())
        for (int n : frame_numbers(s)) {
            std::vector<uint8_t> first, second;
            ASSERT_TRUE(read_data(s.folder, frame_name(s.base, n), first));
            ASSERT_TRUE(read_data(s.folder, frame_name(s.base, n), second, again)) << frame_name(s.base, n) << " missing";
            ASSERT_EQ(first, second) << frame_name(s.base, n) << " differs between runs";
        }
    for (const char* name : {"graphics\\misc\\shadow_small.tga", "graphics\\misc\\shadow_big.tga"}) {
        std::vector<uint8_t> first, second;
        ASSERT_TRUE(read_loose(name, first));
        ASSERT_TRUE(read_loose(name, second, again));
        EXPECT_EQ(first, second) << name;
    }
}

}  // namespace
