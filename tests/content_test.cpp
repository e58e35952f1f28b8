// The generated world content: every picture, sound and script the game names exists, in the form the game reads.
#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <vector>
#include "app/app_state.h"
#include "graphics/playfield.h"
#include "level/level_scan.h"
#include "level/level_script.h"
#include "platform/image_decode.h"
#include "resources/resource_file.h"
#include "sound/wave_file.h"
#include "support/monster_files.h"
#include "support/temp_folder.h"
#include "util/strings.h"

namespace fs = std::filesystem;

namespace {

// ---- Finding data files the way the game does: loose or in their own archive ---------------------------

std::string game_dir() { return std::string(VORLAINE_GAME_DIR) + "/"; }

// A data file named as the game names it, in the built game folder.
std::string game_file(const std::string& name) { return game_dir() + data_path(name.c_str()); }

// The bytes of a data file named as the game names it: loose, or else out of its own archive by the game's
// unpacking, into a folder of its own; empty when it is nowhere.
std::vector<uint8_t> find_data(const std::string& name)
{
    const std::string loose = game_file(name);
    if (fs::exists(loose)) return read_bytes(loose);
    TempFolder unpacked;
    unpacked.make_program_folder();
    const std::string entry = name.substr(name.find_last_of('\\') + 1);
    unzip_file((loose.substr(0, loose.rfind('.')) + ".zip").c_str(), entry.c_str());
    return read_bytes(unpacked.file(entry));
}

// ---- Picture sizes -------------------------------------------------------------------------------------

struct Pic {
    int w = 0, h = 0;
};

// The size of a PNG or JPEG as the decoder gives it.
bool decoded_size(const std::string& path, Pic& p)
{
    DecodedImage im;
    const bool ok = image_decode_rgb24(path.c_str(), &im);
    p.w = im.width;
    p.h = im.height;
    image_free(&im);
    return ok;
}

// The size of a TGA as the game reads it (colour-mapped, 256 entries of 24 bits, rows from the bottom); false
// when its body is too short for its pixels. The data check holds every TGA the game names to that layout.
bool tga_size(const std::vector<uint8_t>& b, Pic& p)
{
    if (b.size() < 18 + 768) return false;
    p.w = b[12] | b[13] << 8;
    p.h = b[14] | b[15] << 8;
    return p.w > 0 && p.h > 0 && b.size() >= size_t(18 + 768 + p.w * p.h);
}

bool picture_size(const std::string& name, Pic& p)
{
    const std::vector<uint8_t> b = find_data(name);
    if (name.substr(name.size() - 3) == "tga") return tga_size(b, p);
    TempFolder t;  // the decoder reads files, and the picture may come out of its archive
    return write_bytes(t.file("picture"), b) && decoded_size(t.file("picture"), p);
}

// ---- Level scripts and sounds, read by the game's own readers ---------------------------------------------

struct Level {
    LevelScript script;
    int cannons = 0;
    CPlayfield field;  // the walkable area: the playfield rectangle less the hard boxes
};

void parse_level(int n, Level& lv)
{
    copy_text(AppState.programDir, sizeof AppState.programDir, game_dir().c_str());
    reset_level_script(lv.script);
    EXPECT_TRUE(load_level_settings(lv.script, n)) << n;
    std::vector<SpriteTemplate> sprites;
    std::vector<HardBoxLine> boxes;
    EXPECT_TRUE(read_sprites(lv.script, sprites) && read_hard_boxes(lv.script, boxes)) << n;
    for (const SpriteTemplate& t : sprites) lv.cannons += t.isCannon;
    lv.field.set_playfield_rect(lv.script.playfieldRect);
    for (const HardBoxLine& b : boxes) lv.field.add_hard_box(b.rect, b.value);
}

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
        Pic p;
        ASSERT_TRUE(decoded_size(e.path().string(), p)) << e.path();
        EXPECT_EQ(p.w % 4, 0) << e.path() << " is " << p.w << " wide";
    }
}

// Whether the game finds every picture it names, in the layout it reads and of one size across a strip,
// the data check tells (DataCheck.TheShippedDataChecksClean); how the strips are keyed, CreatureContent. These
// tests look at where the pictures land.

TEST(ContentPictures, ScreenPiecesFitBetweenTheirNeighbours)
{
    // Each piece drawn at `at` along one axis ends by `end`.
    struct Fit {
        const char* name;
        bool tall;  // along the height, else the width
        int at, end;
    } fits[] = {
        // Icons are centred 19, 17 into a 52-pixel slot; the border around them never reaches the next slot.
        {"graphics\\misc\\icon_fire01.tga", false, 0, 2 * 19 - 2},
        {"graphics\\misc\\icon_fire01.tga", true, 0, 2 * 17 - 2},
        {"graphics\\misc\\icon_border.tga", false, 0, 51},
        // The meter bar at 3, 307 left of the pause button, the boss's bar at 290 above it.
        {"graphics\\misc\\time_meter.tga", false, 3, 124},
        {"graphics\\misc\\time_meter.tga", true, 307, 320},
        {"graphics\\misc\\time_meter.tga", true, 290, 307},
        // Pause and quit side by side at 124 and 192, 298 (the ending's quit at 190 ends before this one).
        {"graphics\\interface\\pause.tga", false, 124, 192},
        {"graphics\\interface\\quit.tga", false, 192, 240},
        {"graphics\\interface\\quit.tga", true, 298, 320},
        // Five volume dots from 46 with 22 between them (46 + 4 * 22 = 134 leaves 106 for five), above the
        // difficulty row at 216; the three difficulties side by side.
        {"graphics\\interface\\options_circle_01.tga", false, 0, 106 / 5},
        {"graphics\\interface\\options_circle_01.tga", true, 148, 216},
        {"graphics\\interface\\options_easy.tga", false, 24, 89},
        {"graphics\\interface\\options_NORMAL.tga", false, 89, 154},
        {"graphics\\interface\\options_HARD.tga", false, 154, 240},
    };
    for (const Fit& f : fits) {
        Pic p;
        ASSERT_TRUE(picture_size(f.name, p)) << f.name;
        EXPECT_LE(f.at + (f.tall ? p.h : p.w), f.end) << f.name << " drawn at " << f.at;
    }
    Pic icon, border;
    ASSERT_TRUE(picture_size("graphics\\misc\\icon_fire01.tga", icon));
    ASSERT_TRUE(picture_size("graphics\\misc\\icon_border.tga", border));
    EXPECT_GE(border.w, icon.w + 2);
    EXPECT_GE(border.h, icon.h + 2);
}

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
    for (int n = 1; n <= 12; n++) {
        SCOPED_TRACE("level " + std::to_string(n));
        Level lv;
        parse_level(n, lv);
        const LevelScript& s = lv.script;
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
        cannons += lv.cannons;
        // Level 12 leads to the ending; every other level to the next.
        EXPECT_EQ(s.nextLevel, n == 12 ? 500 : 0);

        Pic bg;
        ASSERT_TRUE(picture_size(s.backgroundName, bg));
        EXPECT_GE(bg.w, 640);
        const Rect& r = s.playfieldRect;
        EXPECT_GE(r.right - r.left, 240);  // at least a screen's width to move in
        // The depth band is the walkable rectangle's top and bottom, measured from the picture's bottom.
        EXPECT_EQ(s.fieldStart, bg.h - r.top);
        EXPECT_EQ(s.fieldEnd, bg.h - r.bottom);
        // Enough open ground for monsters, the gate and a boss to find a place.
        int open = 0, tried = 0;
        for (int y = r.top; y < r.bottom; y += 4)
            for (int x = std::max(0, r.left); x < std::min(bg.w, r.right); x += 4, tried++)
                open += lv.field.is_walkable(x, y);
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
        EXPECT_FALSE(find_data(std::string("sounds\\") + n + ".wav").empty()) << n;
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
    for (const char* name : {"graphics\\interface\\decompress.png", "graphics\\scenery\\campfire_01.tga",
                             "graphics\\scenery\\campfire_08.tga"}) {
        EXPECT_FALSE(fs::exists(game_file(name))) << name;
        EXPECT_FALSE(find_data(name).empty()) << name;
    }
}
