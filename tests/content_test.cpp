// The generated content: every picture, strip, sound and script the game names, in the form the game reads.
#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>
#include "app/app_state.h"
#include "game/hero.h"
#include "game/monster_kind.h"
#include "graphics/graphic_strip.h"
#include "graphics/playfield.h"
#include "level/level_scan.h"
#include "level/level_script.h"
#include "platform/image_decode.h"
#include "resources/resource_file.h"
#include "sound/wave_file.h"
#include "support/gfx_files.h"
#include "support/monster_files.h"
#include "support/temp_folder.h"
#include "util/strings.h"

namespace fs = std::filesystem;

namespace {

// ---- Finding data files the way the game does: loose or in an archive -----------------------------------------

std::string game_dir() { return std::string(VORLAINE_GAME_DIR) + "/"; }

// A data file named as the game names it, in the built game folder.
std::string game_file(const std::string& name) { return game_dir() + data_path(name.c_str()); }

// Every archive of the game folder (a creature's, or a single picture's or frame's), unpacked once under the
// bare file names of its entries by the game's own unpacking, into a temporary program folder.
const TempFolder& unpacked()
{
    static TempFolder folder;
    static const bool once = [] {
        folder.make_program_folder();
        for (const auto& e : fs::recursive_directory_iterator(game_dir()))
            if (e.path().extension() == ".zip") unzip_file(e.path().c_str(), "");
        return true;
    }();
    EXPECT_TRUE(once);
    return folder;
}

// The bytes of a data file named as the game names it, loose or else unpacked; empty when it is neither.
std::vector<uint8_t> read_data(const std::string& name)
{
    std::vector<uint8_t> bytes = read_bytes(game_file(name));
    return bytes.empty() ? read_bytes(unpacked().file(name.substr(name.find_last_of('\\') + 1))) : bytes;
}

// ---- Pictures as the game reads them --------------------------------------------------------------------------

// A TGA: an 18-byte header, 256 palette entries of blue, green and red, then a byte a pixel, bottom row first.
// The data check holds every TGA the game names to that layout, its strips to one size and to their scratch pads.
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

// ---- Strips as the game reads them -----------------------------------------------------------------------------

// The file of frame n, named as the game's strips name it.
std::string frame_name(const std::string& base, int n) { return CGraphicStrip::frame_file_name(base.c_str(), n, "tga"); }

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

// ---- Sounds, read by the game's own parser ---------------------------------------------------------------------

struct Wave {
    int channels = 0, rate = 0, bits = 0, block = 0;
    std::vector<uint8_t> data;
    double seconds() const { return block ? double(data.size() / size_t(block)) / rate : 0; }
    // Sample of a frame and channel in -1..1.
    double at(size_t frame, int ch) const
    {
        size_t o = frame * size_t(block) + size_t(ch) * size_t(bits / 8);
        if (bits == 8) return (double(data[o]) - 128.0) / 128.0;
        return double(int16_t(data[o] | data[o + 1] << 8)) / 32768.0;
    }
};

bool read_wave(const std::string& name, Wave& w)
{
    const std::vector<uint8_t> b = read_bytes(game_file(name));
    WaveFileParts parts;
    if (!wave_parse(b.data(), b.size(), &parts) || !parts.hasFormat) return false;
    w.channels = parts.format.channels;
    w.rate = int(parts.format.samplesPerSec);
    w.bits = parts.format.bitsPerSample;
    w.block = parts.format.blockAlign;
    w.data.assign(parts.data, parts.data + parts.length);
    return true;
}

}  // namespace

// ---- Pictures ------------------------------------------------------------------------------------------------

TEST(ContentPictures, DecodedPicturesKeepEveryColumn)
{
    // The game's picture loader drops the right-hand columns of a width that is not a multiple of 4.
    for (const auto& e : fs::recursive_directory_iterator(game_dir() + "graphics")) {
        std::string ext = e.path().extension().string();
        if (ext != ".png" && ext != ".jpg") continue;
        DecodedImage im;
        ASSERT_TRUE(image_decode_rgb24(e.path().c_str(), &im)) << e.path();
        EXPECT_EQ(im.width % 4, 0) << e.path() << " is " << im.width << " wide";
        image_free(&im);
    }
}

// Whether the game finds every picture it names, in the layout it reads and of one size across a strip,
// the data check tells (DataCheck.TheShippedDataChecksClean); how the strips are keyed, the strip tests below.
// Where the screen pieces land, MenusRun and GameScreenTest see on the real pictures.

TEST(ContentPictures, PressedButtonsCoverTheButtonsDrawnInTheirScreens)
{
    // A pressed picture placed at its button's corner: along its edge (where both show the button's dark
    // rim) it matches the screen behind it, while its face is lit.
    struct Pressed {
        const char* screen;
        const char* button;
        int x, y;
    } cases[] = {{"graphics\\interface\\title_main.jpg", "graphics\\interface\\title_play_02.jpg", 171, 167},
                 {"graphics\\interface\\title_main.jpg", "graphics\\interface\\title_options_02.jpg", 145, 207},
                 {"graphics\\interface\\title_main.jpg", "graphics\\interface\\title_quit_02.jpg", 183, 245},
                 {"graphics\\interface\\level_main.png", "graphics\\interface\\level_back.png", 10, 283},
                 {"graphics\\interface\\level_main.png", "graphics\\interface\\level_1.png", 15, 105},
                 {"graphics\\interface\\level_main.png", "graphics\\interface\\level_12.png", 127, 255}};
    for (const Pressed& c : cases) {
        DecodedImage screen, button;
        ASSERT_TRUE(image_decode_rgb24(game_file(c.screen).c_str(), &screen)) << c.screen;
        ASSERT_TRUE(image_decode_rgb24(game_file(c.button).c_str(), &button)) << c.button;
        auto px = [](const DecodedImage& im, int x, int y, int ch) { return int(im.rgb[(size_t(y) * im.width + x) * 3 + ch]); };
        double edge = 0, face_screen = 0, face_button = 0;
        int edges = 0, faces = 0;
        const int corner = 8;  // the rounded corners show the screen behind in both pictures
        for (int y = 0; y < button.height; y++)
            for (int x = 0; x < button.width; x++) {
                bool rim = (x == 0 || x == button.width - 1) && y >= corner && y < button.height - corner;
                rim = rim || ((y == 0 || y == button.height - 1) && x >= corner && x < button.width - corner);
                bool face = x > 8 && x < button.width - 9 && y > 6 && y < button.height - 7;
                for (int ch = 0; ch < 3; ch++) {
                    int a = px(screen, c.x + x, c.y + y, ch), b = px(button, x, y, ch);
                    if (rim) edge += std::abs(a - b), edges++;
                    if (face) face_screen += a, face_button += b, faces++;
                }
            }
        EXPECT_LT(edge / std::max(1, edges), 24.0) << c.button << " does not land on its button";
        EXPECT_GT(face_button / faces, face_screen / faces + 8) << c.button << " is not lit";
        image_free(&screen);
        image_free(&button);
    }
}

// ---- Level scripts ---------------------------------------------------------------------------------------------

// The data check holds the scripts to what the game can play: keywords, monster kinds, the kill quota, the
// files they name, a playfield inside its background and a walkable start (DataCheck.TheShippedDataChecksClean).
TEST(ContentLevels, TheLevelsUseEveryBossAndScriptFeatureOnPlayfieldsWithRoomToMove)
{
    std::set<int> bosses;
    int stories = 0, flies = 0, cannons = 0, ambient = 0, intros = 0, starts = 0;
    copy_text(AppState.programDir, sizeof AppState.programDir, game_dir().c_str());
    for (int n = 1; n <= 12; n++) {
        SCOPED_TRACE("level " + std::to_string(n));
        LevelScript s;
        reset_level_script(s);
        ASSERT_TRUE(load_level_settings(s, n));
        std::vector<SpriteTemplate> sprites;
        std::vector<HardBoxLine> boxes;
        ASSERT_TRUE(read_sprites(s, sprites) && read_hard_boxes(s, boxes));
        for (const SpriteTemplate& t : sprites) cannons += t.isCannon;
        if (s.bossKind) bosses.insert(s.bossKind);
        if (s.hasStory) {
            stories++;
            EXPECT_NE(std::strstr(s.storyText, "\\n"), nullptr) << "the story has no line breaks";
            EXPECT_LT(std::strlen(s.storyText), sizeof s.storyText - 2) << "the story is cut";
        }
        flies += s.dragonFlies != 0;
        ambient += s.ambientOn;
        intros += s.introText[0] != 0;
        starts += s.hasStartPosition;
        // Level 12 leads to the ending; every other level to the next.
        EXPECT_EQ(s.nextLevel, n == 12 ? 500 : 0);

        // The background as a level start loads it, and the walkable area: the rectangle less the hard boxes.
        CPlayfield bg;
        ASSERT_TRUE(bg.load_background(s.backgroundName));
        bg.set_playfield_rect(s.playfieldRect);
        for (const HardBoxLine& b : boxes) bg.add_hard_box(b.rect, b.value);
        EXPECT_GE(bg.width, 640);
        const Rect& r = s.playfieldRect;
        EXPECT_GE(r.right - r.left, 240);  // at least a screen's width to move in
        // The depth band is the walkable rectangle's top and bottom, measured from the picture's bottom.
        EXPECT_EQ(s.fieldStart, bg.height - r.top);
        EXPECT_EQ(s.fieldEnd, bg.height - r.bottom);
        // Enough open ground for monsters, the gate and a boss to find a place.
        int open = 0, tried = 0;
        for (int y = r.top; y < r.bottom; y += 4)
            for (int x = std::max(0, r.left); x < std::min(bg.width, r.right); x += 4, tried++)
                open += bg.is_walkable(x, y);
        EXPECT_GT(open, tried * 3 / 4);
    }
    EXPECT_EQ(bosses, (std::set<int>{108, 109, 111, 112, 113}));
    EXPECT_GE(stories, 3);
    EXPECT_GE(flies, 2);
    EXPECT_GE(cannons, 1);
    EXPECT_GE(ambient, 3);
    EXPECT_GE(intros, 3);
    EXPECT_LT(starts, 12);  // at least one level uses the default start
    EXPECT_GE(starts, 3);
}

// ---- Sounds ----------------------------------------------------------------------------------------------------

TEST(ContentSounds, EverySoundIsThereAndLoudInBothStoredFormatsAndTheMusicLoopsWithoutAClick)
{
    // The data check finds the sounds of the game's tables, the music among them; these the code names where
    // it plays them.
    for (const char* n : {"hit", "impact", "frag", "spawn", "rocket-f", "fireball", "lightning", "lightning_hit",
                          "explosion", "abomb", "cannon", "whistle", "powerup", "timegate", "axe"})
        EXPECT_FALSE(read_data(std::string("sounds\\") + n + ".wav").empty()) << n;
    std::set<std::string> layouts;
    for (const auto& e : fs::directory_iterator(game_dir() + "sounds")) {
        if (e.path().extension() != ".wav") continue;
        const std::string name = "sounds\\" + e.path().filename().string();
        SCOPED_TRACE(name);
        Wave w;
        ASSERT_TRUE(read_wave(name, w));
        EXPECT_EQ(w.block, w.channels * w.bits / 8);
        const size_t frames = w.data.size() / size_t(w.block);
        EXPECT_EQ(w.data.size() % size_t(w.block), 0u);
        EXPECT_GT(w.seconds(), 0.05);
        EXPECT_LT(w.seconds(), 45.0);
        // Loud enough to be heard through an 8-bit mixer that averages channels.
        double peak = 0;
        for (size_t i = 0; i < frames; i += 7)
            for (int c = 0; c < w.channels; c++) peak = std::max(peak, std::fabs(w.at(i, c)));
        EXPECT_GT(peak, 0.4);
        layouts.insert(std::to_string(w.rate) + "/" + std::to_string(w.bits) + "/" + std::to_string(w.channels));
        if (name != "sounds\\story.wav" && name != "sounds\\ending.wav") continue;
        // The music plays in a loop: the step from its last frame back to its first is no bigger than its
        // usual steps.
        EXPECT_GE(w.seconds(), 20.0);
        double typical = 0;
        for (size_t i = 1; i < frames; i++) typical = std::max(typical, std::fabs(w.at(i, 0) - w.at(i - 1, 0)));
        for (int c = 0; c < w.channels; c++)
            EXPECT_LE(std::fabs(w.at(0, c) - w.at(frames - 1, c)), typical * 0.5 + 1e-3) << "channel " << c;
    }
    EXPECT_TRUE(layouts.count("22050/8/1")) << "no 22050 Hz 8-bit mono sound";
    EXPECT_TRUE(layouts.count("22050/8/2")) << "no 22050 Hz 8-bit stereo sound";
    EXPECT_TRUE(layouts.count("44100/16/2")) << "no 44100 Hz 16-bit stereo sound";
}

// ---- Archives ------------------------------------------------------------------------------------------------

TEST(ContentArchives, PackedFilesLiveOnlyInTheirArchives)
{
    // A picture in its own archive and a strip in per-frame archives, so the game unpacks both kinds.
    for (const std::string name : {"graphics\\interface\\decompress.png", "graphics\\scenery\\campfire_01.tga",
                                   "graphics\\scenery\\campfire_08.tga"}) {
        EXPECT_FALSE(fs::exists(game_file(name))) << name;
        EXPECT_TRUE(fs::exists(game_file(name.substr(0, name.rfind('.')) + ".zip"))) << name;
        EXPECT_FALSE(read_data(name).empty()) << name;
    }
}

// ---- Creature and effect strips -------------------------------------------------------------------------------

TEST(CreatureContent, StripsAndShadowsAreKeyedStripsMoveAndCreaturesStandOnTheirFeet)
{
    std::map<std::string, StripInfo> seen;
    for (const std::string& base : all_strips()) {
        SCOPED_TRACE(base);
        check_strip(base, &seen[base]);
        if (HasFatalFailure()) return;
        // Odd widths keep the centre column (the feet) in place when the game flips a frame.
        EXPECT_EQ(seen[base].w % 2, 1);
    }
    // The spell icons, the loading indicator, the scenery and the shadows, never flipped, are keyed as strictly.
    for (const char* base : {"graphics\\misc\\icon_fire", "graphics\\misc\\icon_big_fire", "graphics\\misc\\icon_lightning",
                             "graphics\\misc\\icon_abomb", "graphics\\misc\\loading_", "graphics\\scenery\\torch_",
                             "graphics\\scenery\\lava_flame_", "graphics\\scenery\\campfire_"}) {
        SCOPED_TRACE(base);
        StripInfo i;
        check_strip(base, &i);
    }
    for (const char* name : {"graphics\\misc\\shadow_small.tga", "graphics\\misc\\shadow_big.tga"}) {
        Tga t;
        EXPECT_TRUE(parse_tga(read_data(name), t) && keyed_properly(t)) << name;
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
    for (const auto& entry : fs::recursive_directory_iterator(again)) {
        if (!entry.is_regular_file()) continue;
        const std::string relative = fs::relative(entry.path(), again).string();
        const std::string built = std::string(VORLAINE_GAME_DIR) + "/" + relative;
        ASSERT_TRUE(read_bytes(entry.path().string()) == read_bytes(built)) << relative << " differs between runs";
        files++;
    }
    EXPECT_GT(files, 1000);
}
