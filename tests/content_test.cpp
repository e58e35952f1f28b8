// The generated world content: every picture, sound and script the game names exists, in the form the game reads.
#include <gtest/gtest.h>
#include <minizip/unzip.h>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>
#include "platform/image_decode.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace {

// ---- Finding data files the way the game does: loose, in their own archive, or in a creature archive ------

std::string game_dir() { return std::string(VORLAINE_GAME_DIR) + "/"; }

std::string to_path(const std::string& name)
{
    std::string p = name;
    std::replace(p.begin(), p.end(), '\\', '/');
    return p;
}

std::string base_name(const std::string& name)
{
    size_t s = name.find_last_of("\\/");
    return s == std::string::npos ? name : name.substr(s + 1);
}

bool zip_entry(const std::string& zip, const std::string& entry, std::vector<uint8_t>* out)
{
    unzFile z = unzOpen(zip.c_str());
    if (!z) return false;
    bool found = unzLocateFile(z, entry.c_str(), 2) == UNZ_OK;
    if (found && out && unzOpenCurrentFile(z) == UNZ_OK) {
        uint8_t buf[16384];
        int n;
        out->clear();
        while ((n = unzReadCurrentFile(z, buf, sizeof buf)) > 0) out->insert(out->end(), buf, buf + n);
        unzCloseCurrentFile(z);
    }
    unzClose(z);
    return found;
}

// The bytes of a data file named as the game names it; false when it is nowhere to be found.
bool find_data(const std::string& name, std::vector<uint8_t>* out = nullptr)
{
    std::string loose = game_dir() + to_path(name);
    if (fs::exists(loose)) {
        if (out) *out = read_bytes(loose);
        return true;
    }
    std::string single = loose.substr(0, loose.rfind('.')) + ".zip";
    if (fs::exists(single) && zip_entry(single, base_name(name), out)) return true;
    // Creature folders ship as graphics\<name>\<name>.zip until the first start unpacks them.
    fs::path folder = fs::path(loose).parent_path();
    fs::path creature = folder / (folder.filename().string() + ".zip");
    return fs::exists(creature) && zip_entry(creature.string(), base_name(name), out);
}

std::string frame_name(const std::string& base, int n, const char* ext = "tga")
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%s%d.%s", n < 10 ? "0" : "", n, ext);
    return base + buf;
}

// ---- Picture headers -----------------------------------------------------------------------------------

struct Pic {
    int w = 0, h = 0;
};

uint32_t be32(const uint8_t* p) { return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3]; }

bool png_size(const std::vector<uint8_t>& b, Pic& p)
{
    if (b.size() < 24 || std::memcmp(b.data(), "\x89PNG", 4) != 0) return false;
    p.w = int(be32(&b[16]));
    p.h = int(be32(&b[20]));
    return true;
}

bool jpeg_size(const std::vector<uint8_t>& b, Pic& p)
{
    if (b.size() < 4 || b[0] != 0xFF || b[1] != 0xD8) return false;
    size_t i = 2;
    while (i + 9 < b.size()) {
        if (b[i] != 0xFF) return false;
        uint8_t m = b[i + 1];
        size_t len = size_t(b[i + 2]) << 8 | b[i + 3];
        if (m >= 0xC0 && m <= 0xC3) {
            p.h = b[i + 5] << 8 | b[i + 6];
            p.w = b[i + 7] << 8 | b[i + 8];
            return true;
        }
        i += 2 + len;
    }
    return false;
}

// The TGA layout the game reads: colour-mapped, uncompressed, 256 entries of 24 bits, 8 bits a pixel,
// rows from the bottom, and a body long enough for every pixel.
::testing::AssertionResult tga_ok(const std::string& name, const std::vector<uint8_t>& b, Pic& p)
{
    if (b.size() < 18 + 768) return ::testing::AssertionFailure() << name << ": too short";
    if (b[0] != 0 || b[1] != 1 || b[2] != 1) return ::testing::AssertionFailure() << name << ": not uncompressed colour-mapped";
    if (b[3] != 0 || b[4] != 0 || b[5] != 0 || b[6] != 1 || b[7] != 24)
        return ::testing::AssertionFailure() << name << ": colour map is not 256 entries of 24 bits";
    if (b[16] != 8 || (b[17] & 0x20) != 0) return ::testing::AssertionFailure() << name << ": not 8 bits from the bottom row";
    p.w = b[12] | b[13] << 8;
    p.h = b[14] | b[15] << 8;
    if (p.w == 0 || p.h == 0 || b.size() < size_t(18 + 768 + p.w * p.h)) return ::testing::AssertionFailure() << name << ": body too short";
    return ::testing::AssertionSuccess();
}

bool picture_size(const std::string& name, Pic& p)
{
    std::vector<uint8_t> b;
    if (!find_data(name, &b)) return false;
    std::string ext = name.substr(name.size() - 3);
    if (ext == "tga") return bool(tga_ok(name, b, p));
    return png_size(b, p) || jpeg_size(b, p);
}

// Index of the top-left pixel and the 5-6-5 colour of a palette entry.
int tga_index(const std::vector<uint8_t>& b, const Pic& p, int x, int y) { return b[18 + 768 + size_t(p.h - 1 - y) * p.w + x]; }
uint16_t tga_565(const std::vector<uint8_t>& b, int index)
{
    const uint8_t* e = &b[18 + size_t(index) * 3];  // blue, green, red
    return uint16_t((e[2] & 0xF8) << 8 | (e[1] & 0xFC) << 3 | e[0] >> 3);
}

// ---- Level scripts -------------------------------------------------------------------------------------

struct Line {
    std::vector<std::string> f;
    int i(size_t n) const { return n < f.size() ? std::atoi(f[n].c_str()) : 0; }
    std::string s(size_t n) const { return n < f.size() ? f[n] : std::string(); }
};

std::vector<Line> read_script(int level)
{
    std::vector<Line> out;
    std::istringstream in(read_text(game_dir() + "logic/levels/level" + std::to_string(level) + ".txt"));
    std::string text;
    while (std::getline(in, text)) {
        Line l;
        std::string field;
        std::istringstream fs_(text);
        while (std::getline(fs_, field, '|')) l.f.push_back(field);
        if (!text.empty() && text.back() == '|') l.f.push_back("");
        out.push_back(l);
    }
    return out;
}

const std::set<std::string>& keywords()
{
    static const std::set<std::string> k = {
        "background_graphic", "set_intro_scroller_background", "set_intro_scroller_text", "level_name", "set_field_start",
        "set_field_end", "set_scale_mod", "rect_playfield", "kills_required_to_continue", "creatures_to_spawn",
        "max_creatures_on_screen_at_once", "spawn_delay_min", "spawn_delay_max", "initial_delay", "main_enemy",
        "secondary_enemy", "next_level", "set_boss", "set_dragon_flys", "set_start_position", "sprite_clear", "filename",
        "animation_active", "cordinates", "scale", "set_sort", "orientation", "set_cannon", "sprite_create",
        "ambient_sound_activate", "set_ambient_sound1", "set_ambient_sound2", "set_boss_intro_wave", "set_intro_text",
        "add_hardbox"};
    return k;
}

const std::set<int> kRegularKinds = {100, 101, 102, 104, 105, 106, 110};
const std::set<int> kBossKinds = {108, 109, 111, 112, 113};

struct Box {
    int l, t, r, b, v;
};

struct Level {
    int number = 0;
    std::map<std::string, Line> last;  // the later line wins
    std::vector<Box> boxes;
    std::vector<Line> sprites;  // the template at each sprite_create
    std::vector<std::string> unknown;
    bool has(const std::string& k) const { return last.count(k) != 0; }
    const Line& get(const std::string& k) const { return last.at(k); }
};

Level parse_level(int n)
{
    Level lv;
    lv.number = n;
    Line sprite;
    for (const Line& l : read_script(n)) {
        std::string k = l.s(0);
        if (k.empty() || k[0] == ';') continue;
        if (!keywords().count(k)) {
            lv.unknown.push_back(k);
            continue;
        }
        if (k == "add_hardbox") lv.boxes.push_back({l.i(1), l.i(2), l.i(3), l.i(4), l.i(5)});
        else if (k == "sprite_clear") sprite = Line{};
        else if (k == "sprite_create") lv.sprites.push_back(sprite);
        else if (k == "filename" || k == "animation_active" || k == "cordinates" || k == "set_cannon") {
            for (size_t i = sprite.f.size(); i < 16; i++) sprite.f.push_back("");
            size_t slot = k == "filename" ? 0 : k == "animation_active" ? 1 : k == "cordinates" ? 2 : 4;
            sprite.f[slot] = l.s(1);
            if (k == "cordinates") sprite.f[3] = l.s(2);
            if (k == "set_cannon") sprite.f[5] = l.s(2), sprite.f[6] = l.s(3);
        } else lv.last[k] = l;
    }
    return lv;
}

bool walkable(const Level& lv, int x, int y)
{
    const Line& r = lv.get("rect_playfield");
    bool ok = r.i(1) < x && x < r.i(3) && r.i(2) < y && y < r.i(4);
    for (const Box& b : lv.boxes)
        if (b.l < x && x < b.r && b.t < y && y < b.b) ok = b.v != 0;
    return ok;
}

// ---- WAVE files, read independently of the game's mixer ------------------------------------------------

struct Wave {
    int format = 0, channels = 0, rate = 0, bits = 0, block = 0;
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

bool read_wave(const std::vector<uint8_t>& b, Wave& w, std::string& why)
{
    auto u32 = [&](size_t o) { return uint32_t(b[o]) | uint32_t(b[o + 1]) << 8 | uint32_t(b[o + 2]) << 16 | uint32_t(b[o + 3]) << 24; };
    auto u16 = [&](size_t o) { return int(b[o] | b[o + 1] << 8); };
    if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) != 0 || std::memcmp(&b[8], "WAVE", 4) != 0) return why = "not RIFF WAVE", false;
    bool fmt = false;
    for (size_t o = 12; o + 8 <= b.size();) {
        uint32_t size = u32(o + 4);
        if (size > b.size() - o - 8) return why = "chunk runs past the end", false;
        if (std::memcmp(&b[o], "fmt ", 4) == 0 && size >= 16) {
            w.format = u16(o + 8), w.channels = u16(o + 10), w.rate = int(u32(o + 12)), w.block = u16(o + 20), w.bits = u16(o + 22);
            fmt = true;
        } else if (std::memcmp(&b[o], "data", 4) == 0) {
            if (!fmt) return why = "data before fmt", false;
            w.data.assign(b.begin() + long(o + 8), b.begin() + long(o + 8 + size));
            return true;
        }
        o += 8 + size + (size & 1);
    }
    return why = "no data chunk", false;
}

std::vector<std::string> wav_files()
{
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(game_dir() + "sounds"))
        if (e.path().extension() == ".wav") out.push_back("sounds\\" + e.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
}

}  // namespace

// ---- Pictures ------------------------------------------------------------------------------------------------

TEST(ContentPictures, EveryInterfacePictureTheGameNamesIsThere)
{
    const char* names[] = {
        "graphics\\interface\\title_main.jpg", "graphics\\interface\\title_play_02.jpg", "graphics\\interface\\title_quit_02.jpg",
        "graphics\\interface\\title_options_02.jpg", "graphics\\interface\\options_main.tga", "graphics\\interface\\options_back.tga",
        "graphics\\interface\\options_circle_01.tga", "graphics\\interface\\options_circle_02.tga", "graphics\\interface\\options_easy.tga",
        "graphics\\interface\\options_NORMAL.tga", "graphics\\interface\\options_HARD.tga", "graphics\\interface\\level_main.png",
        "graphics\\interface\\level_back.png", "graphics\\interface\\scroll_thing_01.jpg", "graphics\\interface\\scroll_thing_02.jpg",
        "graphics\\interface\\quit.tga", "graphics\\interface\\pause.tga", "graphics\\interface\\GameOver.png",
        "graphics\\interface\\gate.tga", "graphics\\interface\\decompress.png", "graphics\\misc\\icon_border.tga",
        "graphics\\misc\\time_meter.tga", "graphics\\misc\\goddess_sshot1.png", "graphics\\misc\\goddess_sshot2.png",
        "graphics\\misc\\goddess_sshot3.png", "graphics\\misc\\goddess_sshot4.png"};
    for (const char* n : names) EXPECT_TRUE(find_data(n)) << n;
    for (int n = 1; n <= 12; n++) EXPECT_TRUE(find_data("graphics\\interface\\level_" + std::to_string(n) + ".png")) << n;
    // Picture sizes the screens depend on: full-screen pictures, and the options background the game
    // reads straight into a 240 x 320 buffer.
    Pic p;
    for (const char* full : {"graphics\\interface\\title_main.jpg", "graphics\\interface\\level_main.png", "graphics\\interface\\options_main.tga",
                             "graphics\\interface\\decompress.png"}) {
        ASSERT_TRUE(picture_size(full, p)) << full;
        EXPECT_EQ(p.w, 240) << full;
        EXPECT_EQ(p.h, 320) << full;
    }
}

TEST(ContentPictures, EveryTgaIsAnUncompressedColourMappedPicture)
{
    int count = 0;
    for (const auto& e : fs::recursive_directory_iterator(game_dir() + "graphics")) {
        if (e.path().extension() != ".tga") continue;
        Pic p;
        EXPECT_TRUE(tga_ok(e.path().string(), read_bytes(e.path().string()), p));
        count++;
    }
    EXPECT_GT(count, 30);
}

TEST(ContentPictures, DecodedPicturesKeepEveryColumn)
{
    // The decoder drops the right-hand columns of a width that is not a multiple of 4.
    for (const auto& e : fs::recursive_directory_iterator(game_dir() + "graphics")) {
        std::string ext = e.path().extension().string();
        if (ext != ".png" && ext != ".jpg") continue;
        std::vector<uint8_t> b = read_bytes(e.path().string());
        Pic p;
        ASSERT_TRUE(png_size(b, p) || jpeg_size(b, p)) << e.path();
        EXPECT_EQ(p.w % 4, 0) << e.path() << " is " << p.w << " wide";
    }
}

TEST(ContentPictures, HudStripsAreCompleteKeyedAndOfOneSize)
{
    const char* strips[] = {"graphics\\misc\\icon_fire", "graphics\\misc\\icon_big_fire", "graphics\\misc\\icon_lightning",
                            "graphics\\misc\\icon_abomb", "graphics\\misc\\loading_", "graphics\\scenery\\torch_",
                            "graphics\\scenery\\lava_flame_", "graphics\\scenery\\campfire_"};
    for (const char* s : strips) {
        int n = 1;
        Pic first;
        for (;; n++) {
            std::vector<uint8_t> b;
            if (!find_data(frame_name(s, n), &b)) break;
            Pic p;
            ASSERT_TRUE(tga_ok(frame_name(s, n), b, p));
            if (n == 1) first = p;
            EXPECT_EQ(p.w, first.w) << frame_name(s, n);
            EXPECT_EQ(p.h, first.h) << frame_name(s, n);
            // The game keys on the top-left pixel; no visible pixel may share its colour.
            uint16_t key = tga_565(b, tga_index(b, p, 0, 0));
            int visible = 0;
            for (int y = 0; y < p.h; y++)
                for (int x = 0; x < p.w; x++) {
                    int k = tga_index(b, p, x, y);
                    if (k == tga_index(b, p, 0, 0)) continue;
                    visible++;
                    ASSERT_NE(tga_565(b, k), key) << frame_name(s, n) << " at " << x << "," << y;
                }
            EXPECT_GT(visible, p.w * p.h / 10) << frame_name(s, n);
        }
        EXPECT_GE(n - 1, 4) << s;
        EXPECT_FALSE(find_data(frame_name(s, n + 1))) << s << " has a gap after frame " << n - 1;
    }
}

TEST(ContentPictures, SpellBarPiecesLineUp)
{
    // Icons are centred 19, 17 into a 52-pixel slot; the border sits at the slot's corner around them.
    Pic icon, border;
    ASSERT_TRUE(picture_size("graphics\\misc\\icon_fire01.tga", icon));
    ASSERT_TRUE(picture_size("graphics\\misc\\icon_border.tga", border));
    EXPECT_LE(icon.w, 2 * 19 - 2);
    EXPECT_LE(icon.h, 2 * 17 - 2);
    EXPECT_GE(border.w, icon.w + 2);
    EXPECT_GE(border.h, icon.h + 2);
    EXPECT_LT(border.w, 52);  // the border never reaches the next slot
    // The meter bar at 3, 307 stays left of the pause button (124) and above the screen's bottom.
    Pic meter, pause, quit;
    ASSERT_TRUE(picture_size("graphics\\misc\\time_meter.tga", meter));
    ASSERT_TRUE(picture_size("graphics\\interface\\pause.tga", pause));
    ASSERT_TRUE(picture_size("graphics\\interface\\quit.tga", quit));
    EXPECT_LE(3 + meter.w, 124);
    EXPECT_LE(307 + meter.h, 320);
    EXPECT_LE(290 + meter.h, 307);  // the boss's bar above the hero's
    EXPECT_LE(124 + pause.w, 192);  // pause and quit side by side
    EXPECT_LE(192 + quit.w, 240);
    EXPECT_LE(298 + quit.h, 320);
    EXPECT_LE(190 + quit.w, 240);  // the ending puts quit at 190, 300
}

TEST(ContentPictures, OptionsPiecesDoNotOverlap)
{
    Pic dot, easy, normal, hard;
    ASSERT_TRUE(picture_size("graphics\\interface\\options_circle_01.tga", dot));
    ASSERT_TRUE(picture_size("graphics\\interface\\options_easy.tga", easy));
    ASSERT_TRUE(picture_size("graphics\\interface\\options_NORMAL.tga", normal));
    ASSERT_TRUE(picture_size("graphics\\interface\\options_HARD.tga", hard));
    // Five dots from 46 with 22 between them, and their row ends on the screen.
    EXPECT_LE(46 + 5 * dot.w + 4 * 22, 240);
    EXPECT_LE(24 + easy.w, 89);
    EXPECT_LE(89 + normal.w, 154);
    EXPECT_LE(154 + hard.w, 240);
    EXPECT_LE(148 + dot.h, 216);  // volume row above the difficulty row
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
        ASSERT_TRUE(image_decode_rgb24((game_dir() + to_path(c.screen)).c_str(), &screen)) << c.screen;
        ASSERT_TRUE(image_decode_rgb24((game_dir() + to_path(c.button)).c_str(), &button)) << c.button;
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

TEST(ContentLevels, ScriptsUseOnlyKnownKeywordsAndKinds)
{
    std::set<int> bosses;
    int stories = 0, flies = 0, cannons = 0, ambient = 0, intros = 0, starts = 0;
    for (int n = 1; n <= 12; n++) {
        Level lv = parse_level(n);
        EXPECT_TRUE(lv.unknown.empty()) << "level " << n << ": " << (lv.unknown.empty() ? "" : lv.unknown[0]);
        for (const char* k : {"main_enemy", "secondary_enemy"}) {
            ASSERT_TRUE(lv.has(k)) << n << " " << k;
            int kind = lv.get(k).i(1);
            EXPECT_TRUE(kind == -1 || kRegularKinds.count(kind)) << "level " << n << " " << k << " " << kind;
        }
        EXPECT_NE(lv.get("main_enemy").i(1), -1) << n;
        if (lv.has("set_boss")) {
            EXPECT_TRUE(kBossKinds.count(lv.get("set_boss").i(1))) << n;
            bosses.insert(lv.get("set_boss").i(1));
        }
        stories += lv.has("set_intro_scroller_text");
        flies += lv.has("set_dragon_flys") && std::atof(lv.get("set_dragon_flys").s(1).c_str()) != 0;
        ambient += lv.has("ambient_sound_activate");
        intros += lv.has("set_intro_text");
        starts += lv.has("set_start_position");
        for (const Line& s : lv.sprites) cannons += !s.s(4).empty();
        // The kill quota can be met.
        EXPECT_GE(lv.get("creatures_to_spawn").i(1), lv.get("kills_required_to_continue").i(1)) << n;
        EXPECT_GE(lv.get("max_creatures_on_screen_at_once").i(1), 1) << n;
        EXPECT_LE(lv.get("spawn_delay_min").i(1), lv.get("spawn_delay_max").i(1)) << n;
        EXPECT_EQ(lv.has("next_level") ? lv.get("next_level").i(1) : 0, n == 12 ? 500 : 0) << n;
    }
    EXPECT_EQ(bosses, kBossKinds);
    EXPECT_GE(stories, 3);
    EXPECT_GE(flies, 2);
    EXPECT_GE(cannons, 1);
    EXPECT_GE(ambient, 3);
    EXPECT_GE(intros, 3);
    EXPECT_LT(starts, 12);  // at least one level uses the default start
    EXPECT_GE(starts, 3);
}

TEST(ContentLevels, EveryFileAScriptNamesIsThere)
{
    for (int n = 1; n <= 12; n++) {
        Level lv = parse_level(n);
        ASSERT_TRUE(lv.has("background_graphic")) << n;
        EXPECT_TRUE(find_data(lv.get("background_graphic").s(1))) << n;
        for (const char* k : {"set_intro_scroller_background", "set_ambient_sound1", "set_ambient_sound2", "set_boss_intro_wave"})
            if (lv.has(k)) {
                EXPECT_TRUE(find_data(lv.get(k).s(1))) << "level " << n << " " << k << " " << lv.get(k).s(1);
            }
        if (lv.has("set_intro_scroller_text")) {
            EXPECT_TRUE(lv.has("set_intro_scroller_background")) << n;
            std::string story = lv.get("set_intro_scroller_text").s(1);
            EXPECT_NE(story.find("\\n"), std::string::npos) << "level " << n << " story has no line breaks";
            EXPECT_LT(story.size(), 2000u) << n;
            Pic p;
            ASSERT_TRUE(picture_size(lv.get("set_intro_scroller_background").s(1), p)) << n;
            EXPECT_EQ(p.w, 240);
            EXPECT_EQ(p.h, 320);
        }
        for (const Line& s : lv.sprites) {
            // Still pictures by name; strips by their first frame and the cannon's second emplacement likewise.
            std::string file = s.s(0);
            bool strip = s.i(1) != -1;
            EXPECT_TRUE(strip ? find_data(frame_name(file, 1)) : find_data(file)) << "level " << n << " " << file;
            if (!s.s(4).empty()) {
                EXPECT_TRUE(find_data(frame_name(s.s(4), 1))) << "level " << n << " cannon " << s.s(4);
            }
        }
    }
}

TEST(ContentLevels, PlayfieldsFitTheirBackgroundsAndTheHeroStartsOnWalkableGround)
{
    for (int n = 1; n <= 12; n++) {
        Level lv = parse_level(n);
        Pic bg;
        ASSERT_TRUE(picture_size(lv.get("background_graphic").s(1), bg)) << n;
        EXPECT_GE(bg.w, 640) << n;
        EXPECT_GE(bg.h, 320) << n;
        const Line& r = lv.get("rect_playfield");
        EXPECT_LT(r.i(1), r.i(3)) << n;
        EXPECT_LT(r.i(2), r.i(4)) << n;
        EXPECT_GE(r.i(2), 0) << n;
        EXPECT_LE(r.i(4), bg.h) << n;
        EXPECT_GE(r.i(3) - r.i(1), 240) << n;  // at least a screen's width to move in
        // The depth band is the walkable rectangle's top and bottom, measured from the picture's bottom.
        EXPECT_EQ(lv.get("set_field_start").i(1), bg.h - r.i(2)) << n;
        EXPECT_EQ(lv.get("set_field_end").i(1), bg.h - r.i(4)) << n;
        float mod = float(std::atof(lv.get("set_scale_mod").s(1).c_str()));
        EXPECT_GT(mod, 0.0f);
        EXPECT_LT(mod, 1.0f);
        for (const Box& b : lv.boxes) {
            EXPECT_LT(b.l, b.r) << n;
            EXPECT_LT(b.t, b.b) << n;
            EXPECT_TRUE(b.v == 0 || b.v == 1) << n;
            EXPECT_GE(b.t, 0);
            EXPECT_LE(b.b, bg.h);
        }
        int sx = r.i(1) + 5, sy = bg.h - 40;
        if (lv.has("set_start_position")) sx = lv.get("set_start_position").i(1), sy = lv.get("set_start_position").i(2);
        EXPECT_TRUE(walkable(lv, sx, sy)) << "level " << n << " starts the hero at " << sx << "," << sy;
        // Enough open ground for monsters, the gate and a boss to find a place.
        int open = 0, tried = 0;
        for (int y = r.i(2); y < r.i(4); y += 4)
            for (int x = std::max(0, r.i(1)); x < std::min(bg.w, r.i(3)); x += 4, tried++) open += walkable(lv, x, y);
        EXPECT_GT(open, tried * 3 / 4) << n;
    }
}

// ---- Sounds ----------------------------------------------------------------------------------------------------

TEST(ContentSounds, EverySoundTheGameNamesIsThere)
{
    const char* names[] = {"sounds\\god-p.wav", "sounds\\god-d.wav", "sounds\\god-h.wav", "sounds\\mbank2.wav", "sounds\\hit.wav",
                           "sounds\\impact.wav", "sounds\\frag.wav", "sounds\\spawn.wav", "sounds\\alien-d.wav", "sounds\\alien-h.wav",
                           "sounds\\sq-h.wav", "sounds\\zombie-a.wav", "sounds\\wwolf-d.wav", "sounds\\wwolf-h.wav", "sounds\\ant-d.wav",
                           "sounds\\ant-a.wav", "sounds\\ant-p.wav", "sounds\\rocket-f.wav", "sounds\\fireball.wav",
                           "sounds\\lightning.wav", "sounds\\lightning_hit.wav", "sounds\\explosion.wav", "sounds\\abomb.wav",
                           "sounds\\cannon.wav", "sounds\\whistle.wav", "sounds\\powerup.wav", "sounds\\timegate.wav",
                           "sounds\\story.wav", "sounds\\ending.wav", "sounds\\axe.wav", "sounds\\sel1.wav"};
    for (const char* n : names) EXPECT_TRUE(find_data(n)) << n;
}

TEST(ContentSounds, EveryWaveParsesAndBothStoredFormatsAreUsed)
{
    std::set<std::string> layouts;
    for (const std::string& name : wav_files()) {
        Wave w;
        std::string why;
        ASSERT_TRUE(read_wave(read_bytes(game_dir() + to_path(name)), w, why)) << name << ": " << why;
        EXPECT_EQ(w.format, 1) << name;
        EXPECT_TRUE(w.channels == 1 || w.channels == 2) << name;
        EXPECT_TRUE(w.bits == 8 || w.bits == 16) << name;
        EXPECT_EQ(w.block, w.channels * w.bits / 8) << name;
        EXPECT_EQ(w.data.size() % size_t(w.block), 0u) << name;
        EXPECT_GT(w.seconds(), 0.05) << name;
        EXPECT_LT(w.seconds(), 45.0) << name;
        // Loud enough to be heard through an 8-bit mixer that averages channels.
        double peak = 0;
        for (size_t i = 0; i < w.data.size() / size_t(w.block); i += 7)
            for (int c = 0; c < w.channels; c++) peak = std::max(peak, std::fabs(w.at(i, c)));
        EXPECT_GT(peak, 0.4) << name;
        layouts.insert(std::to_string(w.rate) + "/" + std::to_string(w.bits) + "/" + std::to_string(w.channels));
    }
    EXPECT_TRUE(layouts.count("22050/8/1")) << "no 22050 Hz 8-bit mono sound";
    EXPECT_TRUE(layouts.count("22050/8/2")) << "no 22050 Hz 8-bit stereo sound";
    EXPECT_TRUE(layouts.count("44100/16/2")) << "no 44100 Hz 16-bit stereo sound";
}

TEST(ContentSounds, MusicLoopsWithoutAClick)
{
    for (const char* name : {"sounds\\story.wav", "sounds\\ending.wav"}) {
        Wave w;
        std::string why;
        ASSERT_TRUE(read_wave(read_bytes(game_dir() + to_path(name)), w, why)) << name;
        EXPECT_GE(w.seconds(), 20.0) << name;
        EXPECT_LE(w.seconds(), 40.0) << name;
        size_t frames = w.data.size() / size_t(w.block);
        // The step from the last frame back to the first is no bigger than the piece's usual steps.
        double typical = 0;
        for (size_t i = 1; i < frames; i++) typical = std::max(typical, std::fabs(w.at(i, 0) - w.at(i - 1, 0)));
        for (int c = 0; c < w.channels; c++) {
            double wrap = std::fabs(w.at(0, c) - w.at(frames - 1, c));
            EXPECT_LE(wrap, typical * 0.5 + 1e-3) << name << " channel " << c;
        }
    }
}

// ---- Archives and repeatability --------------------------------------------------------------------------------

TEST(ContentArchives, PackedFilesLiveOnlyInTheirArchives)
{
    // One picture only in its own archive; one strip's frames only in per-frame archives.
    EXPECT_FALSE(fs::exists(game_dir() + "graphics/interface/decompress.png"));
    EXPECT_TRUE(zip_entry(game_dir() + "graphics/interface/decompress.zip", "decompress.png", nullptr));
    for (int n = 1; find_data(frame_name("graphics\\scenery\\campfire_", n)); n++) {
        EXPECT_FALSE(fs::exists(game_dir() + to_path(frame_name("graphics\\scenery\\campfire_", n)))) << n;
        std::string archive = game_dir() + "graphics/scenery/campfire_" + (n < 10 ? "0" : "") + std::to_string(n) + ".zip";
        EXPECT_TRUE(zip_entry(archive, base_name(frame_name("graphics\\scenery\\campfire_", n)), nullptr)) << n;
    }
    // The creature archives hold their entries at the root, where the unpacking expects them.
    for (const char* folder : {"ant", "snow", "zombie", "gmean"}) {
        std::string zip = game_dir() + "graphics/" + folder + "/" + folder + ".zip";
        if (!fs::exists(zip)) continue;  // unpacked by a first start in this folder
        unzFile z = unzOpen(zip.c_str());
        ASSERT_TRUE(z) << zip;
        int entries = 0;
        for (int r = unzGoToFirstFile(z); r == UNZ_OK; r = unzGoToNextFile(z)) {
            char entry[256] = {};
            unz_file_info info;
            ASSERT_EQ(unzGetCurrentFileInfo(z, &info, entry, sizeof entry, nullptr, 0, nullptr, 0), UNZ_OK);
            EXPECT_EQ(std::strpbrk(entry, "/\\"), nullptr) << zip << ": " << entry;
            entries++;
        }
        unzClose(z);
        EXPECT_GT(entries, 10) << zip;
        for (const auto& e : fs::directory_iterator(game_dir() + "graphics/" + folder))
            EXPECT_EQ(e.path().extension(), ".zip") << "loose beside its archive: " << e.path();
    }
}

TEST(ContentArchives, TheGeneratorWritesTheSameBytesEveryTime)
{
    std::string generator = std::string(VORLAINE_GAME_DIR) + "/../tools/contentgen/contentgen";
    // A sanitizer build copies another build's content and has no generator of its own.
    if (!fs::exists(generator)) GTEST_SKIP() << "no generator at " << generator;
    TempFolder a, b;
    for (TempFolder* t : {&a, &b}) {
        std::string cmd = generator + " --out " + t->file("game") + " --sheets " + t->file("sheets") + " > /dev/null";
        ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
    }
    int compared = 0;
    for (const auto& e : fs::recursive_directory_iterator(a.file("game"))) {
        if (!e.is_regular_file()) continue;
        std::string rel = fs::relative(e.path(), a.file("game")).string();
        ASSERT_TRUE(fs::exists(b.file("game/" + rel))) << rel;
        EXPECT_TRUE(read_bytes(e.path().string()) == read_bytes(b.file("game/" + rel))) << rel << " differs between runs";
        compared++;
    }
    EXPECT_GT(compared, 100);
}
