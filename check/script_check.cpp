// check_level_script: the line pass over a level file, the game's scanners on it, and the checks of their values.
#include "check/script_check.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "app/app_state.h"
#include "check/check_context.h"
#include "check/closest_keyword.h"
#include "game/hero.h"
#include "game/monster_kind.h"
#include "graphics/playfield.h"
#include "level/level_file.h"
#include "level/script_keywords.h"
#include "level/text_parse.h"
#include "util/strings.h"

namespace {

bool is_word(const std::string& text)
{
    if (text.empty()) return false;
    for (char c : text)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
    return true;
}

int count_fields(const char* line)
{
    int fields = 1;
    for (const char* p = line; *p; p++) fields += *p == '|';
    return fields;
}

const char* arg_kind_name(char kind)
{
    switch (kind) {
    case 'i': return "whole number";
    case 'd': return "decimal";
    case 'w': return "word";
    default: return "text";
    }
}

std::string arg_list(const ScriptKeyword& k)
{
    std::string list;
    for (const char* a = k.args; *a; a++) list += std::string(list.empty() ? "" : ", ") + arg_kind_name(*a);
    return list;
}

std::string plural(int n, const char* word) { return std::to_string(n) + " " + word + (n == 1 ? "" : "s"); }

// The kinds the table holds, for messages ("100, 101, ...").
std::string kind_list()
{
    std::vector<int> ids;
    for (const CMonsterKind& k : MonsterKinds.kinds) ids.push_back(k.kindId);
    std::sort(ids.begin(), ids.end());
    std::string list;
    for (int id : ids) list += (list.empty() ? "" : ", ") + std::to_string(id);
    return list;
}

// One level file and the context its problems go to.
class ScriptChecker {
public:
    ScriptChecker(CheckContext& context, ScriptFacts& facts) : ctx_(context), f_(facts) {}
    void line_pass();
    void read_as_the_game_does();
    void check_values();

private:
    void add(Severity severity, int line, const char* fmt, va_list args);
    void error(int line, const char* fmt, ...) __attribute__((format(printf, 3, 4)));
    void warning(int line, const char* fmt, ...) __attribute__((format(printf, 3, 4)));
    int line_of(const char* keyword) const
    {
        auto it = f_.lastLine.find(keyword);
        return it == f_.lastLine.end() ? 0 : it->second;
    }
    bool has(const char* keyword) const { return f_.lastLine.count(keyword) != 0; }

    void classify_unknown(int line, const char* text, const std::string& first);
    void check_fields(int line, const ScriptKeyword& k, CTextParse& parser, int fields);
    void check_number(int line, const ScriptKeyword& k, int arg, char kind, const char* word);
    // A random interval between two values in ms: neither below 0, the first not above the second.
    void check_interval(int line, const char* what, int32_t low, int32_t high);
    void check_playfield(int backgroundHeight);
    void check_spawning();
    void check_start_position();
    void check_sprites();
    void check_sounds();

    CheckContext& ctx_;
    ScriptFacts& f_;
    // Sprite statements seen since the last sprite_clear, to tell a template carried over from another level.
    bool clearedOnce_ = false;
    int pictureLine_ = 0;
    unsigned templateSet_ = 0;
};

void ScriptChecker::add(Severity severity, int line, const char* fmt, va_list args)
{
    char text[1024];
    std::vsnprintf(text, sizeof text, fmt, args);
    ctx_.report.add({f_.path, line, severity, text});
}

void ScriptChecker::error(int line, const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    add(Severity::Error, line, fmt, args);
    va_end(args);
}

void ScriptChecker::warning(int line, const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    add(Severity::Warning, line, fmt, args);
    va_end(args);
}

// A line whose first field is no keyword: a remark, unless it is shaped like a statement.
void ScriptChecker::classify_unknown(int line, const char* text, const std::string& first)
{
    const std::string word = trim_blanks(first);
    const bool hasBar = std::strchr(text, '|') != nullptr;
    if (is_word(word) && find_script_keyword(word.c_str())) {
        error(line, "\"%s\" has blanks around it, so the game does not know it and ignores the line", word.c_str());
        return;
    }
    // A statement is a word followed by "|" fields; a single word with an underscore that is one slip from
    // a keyword is a mistyped statement without arguments.
    const std::string guess = is_word(word) ? closest_keyword(word) : std::string();
    if (is_word(word) && (hasBar || (word.find('_') != std::string::npos && !guess.empty()))) {
        if (!guess.empty())
            error(line, "unknown keyword \"%s\"; did you mean \"%s\"? The game ignores the line", word.c_str(),
                  guess.c_str());
        else
            error(line, "unknown keyword \"%s\"; the game ignores the line", word.c_str());
        return;
    }
    if (hasBar) return;
    // "kills_required_to_continue 10": the keyword with blanks instead of bars.
    const std::string whole = trim_blanks(text);
    const std::string lead = whole.substr(0, whole.find_first_of(" \t"));
    const ScriptKeyword* k = find_script_keyword(lead.c_str());
    if (k && k->args[0] && lead != whole)
        warning(line, "looks like a \"%s\" statement, but its fields are not separated by \"|\"; the game ignores it",
                k->name);
}

void ScriptChecker::check_number(int line, const ScriptKeyword& k, int arg, char kind, const char* word)
{
    const std::string value = trim_blanks(word);
    if (value.empty()) {
        error(line, "argument %d of \"%s\" is empty; the game reads 0", arg, k.name);
        return;
    }
    const char* start = value.c_str();
    char* end = nullptr;
    errno = 0;
    if (kind == 'i') {
        const long long v = std::strtoll(start, &end, 10);
        if (end == start || *end != '\0')
            error(line, "argument %d of \"%s\" is \"%s\", not a whole number; the game reads %d", arg, k.name,
                  value.c_str(), int(text_to_int(word)));
        else if (errno == ERANGE || v > INT32_MAX || v < INT32_MIN)
            error(line, "argument %d of \"%s\" is %s, too large for the game; it reads %d", arg, k.name,
                  value.c_str(), int(text_to_int(word)));
        return;
    }
    const double v = std::strtod(start, &end);
    if (end == start || *end != '\0' || !std::isfinite(v))
        error(line, "argument %d of \"%s\" is \"%s\", not a decimal number; the game reads %g", arg, k.name,
              value.c_str(), double(text_to_float(word)));
}

void ScriptChecker::check_fields(int line, const ScriptKeyword& k, CTextParse& parser, int fields)
{
    const int wanted = int(std::strlen(k.args));
    const int given = fields - 1;
    if (given < wanted)
        error(line, "\"%s\" takes %s (%s), the line gives %d; the game reads the missing ones as %s", k.name,
              plural(wanted, "argument").c_str(), arg_list(k).c_str(), given,
              std::strchr(k.args, 't') ? "0 or empty text" : "0");
    else if (given > wanted && !(wanted == 0 && given == 1 && parser.word(2)[0] == '\0'))
        warning(line, "\"%s\" takes %s; the game ignores what follows the %s \"|\"", k.name,
                plural(wanted, "argument").c_str(), wanted == 0 ? "first" : "last expected");
    std::vector<std::string> args;
    for (int i = 0; i < wanted && i < given; i++) {
        const char kind = k.args[i];
        const std::string word = parser.word(i + 2);
        args.push_back(word);
        if (kind == 'i' || kind == 'd') {
            check_number(line, k, i + 1, kind, word.c_str());
        } else if (kind == 't' && word.size() >= k.textSize) {
            error(line, "the text of \"%s\" has %d characters, more than the %d the game keeps; the rest is cut",
                  k.name, int(word.size()), int(k.textSize - 1));
        } else if (kind == 'w' && orientation_from_word(word.c_str(), -1) == -1) {
            error(line,
                  "\"%s\" is no orientation (up_left, centered or down_middle); the game keeps the one before",
                  word.c_str());
        }
    }
    std::string joined;
    for (const std::string& a : args) joined += (joined.empty() ? "" : "|") + a;
    f_.statements[k.name].push_back(joined);
}

void ScriptChecker::line_pass()
{
    CTextParse parser;
    parser.set_base_folder(AppState.programDir);
    if (!parser.open(level_script_name(f_.levelNumber).c_str())) return;
    f_.opened = true;
    while (parser.next_line()) {
        const int line = parser.line_number();
        const std::string text = parser.line();
        if (parser.line_was_cut())
            error(line, "line longer than %d characters; the game skips the rest of it",
                  int(CTextParse::kBufferSize - 1));
        const std::string first = parser.word(1);
        const ScriptKeyword* k = find_script_keyword(first.c_str());
        if (!k) {
            classify_unknown(line, text.c_str(), first);
            continue;
        }
        f_.lastLine[k->name] = line;
        check_fields(line, *k, parser, count_fields(text.c_str()));
        const std::string name = k->name;
        if (name == "sprite_clear") {
            clearedOnce_ = true;
            templateSet_ = 0;
            pictureLine_ = 0;
        } else if (name == "filename") {
            pictureLine_ = line;
            templateSet_ |= 1;
        } else if (name == "animation_active") {
            templateSet_ |= 2;
        } else if (name == "cordinates") {
            templateSet_ |= 4;
        } else if (name == "sprite_create") {
            f_.spriteLines.push_back(line);
            f_.spritePictureLines.push_back(pictureLine_);
            if (!clearedOnce_ && templateSet_ != 7)
                warning(line,
                        "\"sprite_create\" with no \"sprite_clear\" before it: the fields this file has not set yet "
                        "keep the values of the level played before");
        } else if (name == "add_hardbox") {
            f_.boxLines.push_back(line);
        }
    }
}

void ScriptChecker::read_as_the_game_does()
{
    // A fresh record as at program start, so nothing carries over from a level checked before.
    f_.script = LevelScript{};
    reset_level_script(f_.script);
    load_level_settings(f_.script, f_.levelNumber);
    read_hard_boxes(f_.script, f_.boxes);
    read_sprites(f_.script, f_.sprites);
}

void ScriptChecker::check_interval(int line, const char* what, int32_t low, int32_t high)
{
    if (low < 0 || high < 0)
        error(line, "a %s of %d to %d ms goes below 0", what, int(low), int(high));
    else if (low > high)
        warning(line, "the %s runs from %d down to %d ms; its first value is the larger", what, int(low), int(high));
}

void ScriptChecker::check_playfield(int backgroundHeight)
{
    const LevelScript& s = f_.script;
    const Rect& r = s.playfieldRect;
    const int rectLine = line_of("rect_playfield");
    if (has("rect_playfield")) {
        if (r.left >= r.right || r.top >= r.bottom)
            error(rectLine, "the playfield rectangle %d, %d, %d, %d is empty (left must be below right, top below "
                  "bottom)", r.left, r.top, r.right, r.bottom);
        else if (backgroundHeight > 0 && (r.top < 0 || r.bottom > backgroundHeight))
            error(rectLine, "the playfield rectangle runs from y %d to %d, outside the background's 0 to %d",
                  r.top, r.bottom, backgroundHeight);
    }
    if (backgroundHeight > 0 && has("set_field_start") && has("set_field_end")) {
        if (s.fieldStart < 0 || s.fieldStart > backgroundHeight || s.fieldEnd < 0 || s.fieldEnd > backgroundHeight)
            warning(line_of("set_field_start"),
                    "the depth band (field start %d, field end %d) reaches outside the background's height %d",
                    s.fieldStart, s.fieldEnd, backgroundHeight);
        else if (s.fieldStart < s.fieldEnd)
            warning(line_of("set_field_start"),
                    "field start %d is below field end %d, so walkers grow as they go away from the viewer",
                    s.fieldStart, s.fieldEnd);
    }
    if (has("set_scale_mod") && (s.scaleMod < 0.0f || s.scaleMod > 1.0f))
        warning(line_of("set_scale_mod"), "scale modifier %g is outside 0 to 1; depth scaling is cut off at 1 %%",
                double(s.scaleMod));
    for (size_t i = 0; i < f_.boxes.size(); i++) {
        const Rect& b = f_.boxes[i].rect;
        if (b.left >= b.right || b.top >= b.bottom)
            error(i < f_.boxLines.size() ? f_.boxLines[i] : 0,
                  "the hard box %d, %d, %d, %d is empty and changes nothing", b.left, b.top, b.right, b.bottom);
    }
}

void ScriptChecker::check_spawning()
{
    const LevelScript& s = f_.script;
    const int kills = line_of("kills_required_to_continue");
    if (s.killsRequired < 0) error(kills, "a kill quota of %d is below 0", s.killsRequired);
    if (has("creatures_to_spawn") && s.creaturesToSpawn < s.killsRequired)
        error(line_of("creatures_to_spawn"),
              "only %d creatures spawn, but %d kills are required: the time gate never appears",
              s.creaturesToSpawn, s.killsRequired);
    if (has("max_creatures_on_screen_at_once") && s.maxCreatures < 1 && s.killsRequired > 0)
        error(line_of("max_creatures_on_screen_at_once"),
              "at most %d creatures at once means none ever spawns: the time gate never appears", s.maxCreatures);
    if (s.mainEnemy == -1 && s.killsRequired > 0)
        error(has("main_enemy") ? line_of("main_enemy") : kills,
              "no main enemy (-1) spawns nothing, but %d kills are required: the time gate never appears",
              s.killsRequired);
    if (s.initialDelay < 0) error(line_of("initial_delay"), "a delay of %d ms is below 0", s.initialDelay);
    check_interval(line_of(s.spawnDelayMin < 0 ? "spawn_delay_min" : "spawn_delay_max"), "spawn delay",
                   s.spawnDelayMin, s.spawnDelayMax);
    auto check_kind = [&](const char* keyword, int32_t kind, int32_t none) {
        if (kind != none && !MonsterKinds.find_kind(kind))
            error(line_of(keyword), "there is no monster kind %d (the kinds are %s%s)", int(kind), kind_list().c_str(),
                  none == -1 ? ", or -1 for none" : ", or 0 for no boss");
    };
    check_kind("main_enemy", s.mainEnemy, -1);
    check_kind("secondary_enemy", s.secondaryEnemy, -1);
    check_kind("set_boss", s.bossKind, 0);
    if (s.dragonFlies != 0.0f) {
        check_interval(line_of("set_dragon_flys"), "dragon fly interval", s.dragonFlyMin, s.dragonFlyMax);
    }
}

void ScriptChecker::check_start_position()
{
    const LevelScript& s = f_.script;
    const PictureFacts& background = ctx_.pictures.picture(s.backgroundName);
    if (!background.readable || !has("rect_playfield")) return;
    // The game's own walkable test, on a playfield of this level's own.
    CPlayfield field;
    field.height = background.height;
    field.width = background.width;
    field.set_playfield_rect(s.playfieldRect);
    for (const HardBoxLine& b : f_.boxes) field.add_hard_box(b.rect, b.value);
    int32_t x = 0, y = 0;
    hero_start_position(s, field.get_playfield_rect(), field.height, &x, &y);
    if (field.is_walkable(x, y)) return;
    if (s.hasStartPosition)
        error(line_of("set_start_position"),
              "the start position %d, %d is outside the walkable area (the playfield rectangle less its hard boxes)",
              int(x), int(y));
    else
        error(line_of("rect_playfield"),
              "without \"set_start_position\" the hero starts at %d, %d (5 right of the rectangle's left edge, 40 "
              "above the background's bottom), which is outside the walkable area",
              int(x), int(y));
}

void ScriptChecker::check_sprites()
{
    for (size_t i = 0; i < f_.sprites.size(); i++) {
        const SpriteTemplate& t = f_.sprites[i];
        const int line = i < f_.spriteLines.size() ? f_.spriteLines[i] : 0;
        const int nameLine = i < f_.spritePictureLines.size() && f_.spritePictureLines[i] ? f_.spritePictureLines[i] : line;
        PictureUse use;
        use.keyed = true;
        if (t.isCannon) {
            report_picture(ctx_.report, f_.path, nameLine, "cannon strip", t.pictureName, ctx_.pictures.strip(t.pictureName), use);
            if (t.cannonName[0])
                report_picture(ctx_.report, f_.path, line_of("set_cannon"), "second cannon strip", t.cannonName,
                               ctx_.pictures.strip(t.cannonName), use);
        } else if (t.animationInterval == -1) {
            report_picture(ctx_.report, f_.path, nameLine, "sprite picture", t.pictureName,
                           ctx_.pictures.picture(t.pictureName), use);
        } else {
            report_picture(ctx_.report, f_.path, nameLine, "sprite strip", t.pictureName, ctx_.pictures.strip(t.pictureName), use);
        }
    }
}

void ScriptChecker::check_sounds()
{
    const LevelScript& s = f_.script;
    auto check = [&](const char* keyword, const char* name) {
        if (name[0]) report_sound(ctx_.report, f_.path, line_of(keyword), keyword, name, ctx_.sounds.sound(name));
    };
    check("set_ambient_sound1", s.ambientSound1);
    check("set_ambient_sound2", s.ambientSound2);
    check("set_boss_intro_wave", s.bossIntroSound);
    if (s.ambientOn) {
        const int line = line_of("ambient_sound_activate");
        if (!s.ambientSound1[0] && !s.ambientSound2[0])
            warning(line, "ambient sounds are switched on, but the file names none");
        check_interval(line, "ambient interval", s.ambientMin, s.ambientMax);
    }
}

void ScriptChecker::check_values()
{
    const LevelScript& s = f_.script;
    if (!s.backgroundName[0]) {
        // A pass-through level is a feature; one that also sets spawning or scenery most likely lost its line.
        if (has("kills_required_to_continue") || !f_.sprites.empty())
            warning(line_of("background_graphic"),
                    "no background picture, so the game skips this level and goes straight on to the next");
    } else {
        PictureUse use;
        use.playfield = true;
        const PictureFacts& background = ctx_.pictures.picture(s.backgroundName);
        report_picture(ctx_.report, f_.path, line_of("background_graphic"), "background_graphic", s.backgroundName,
                       background, use);
        // Fields a script leaves out keep the value of whichever level was played before.
        for (const char* carried : {"rect_playfield", "set_field_start", "set_field_end", "set_scale_mod",
                                    "kills_required_to_continue", "creatures_to_spawn",
                                    "max_creatures_on_screen_at_once", "spawn_delay_min", "spawn_delay_max",
                                    "initial_delay"})
            if (!has(carried))
                warning(0, "no \"%s\": the level keeps the value of whichever level was played before", carried);
        check_playfield(background.readable ? background.height : 0);
        check_spawning();
        check_start_position();
        check_sprites();
        check_sounds();
    }
    if (s.hasStory) {
        PictureUse use;
        use.screen = true;
        if (!s.storyBackground[0])
            warning(line_of("set_intro_scroller_text"),
                    "a story without \"set_intro_scroller_background\" scrolls over whatever picture was shown last");
        else
            report_picture(ctx_.report, f_.path, line_of("set_intro_scroller_background"),
                           "set_intro_scroller_background", s.storyBackground,
                           ctx_.pictures.picture(s.storyBackground), use);
    }
}

}  // namespace

std::string level_script_name(int levelNumber)
{
    char name[64];
    level_file_name(levelNumber, name, sizeof name);
    return name;
}

void check_level_script(int levelNumber, CheckContext& context, ScriptFacts* facts)
{
    *facts = ScriptFacts{};
    facts->levelNumber = levelNumber;
    facts->path = shown_path(level_script_name(levelNumber));
    context.scriptsChecked++;
    ScriptChecker checker(context, *facts);
    checker.line_pass();
    if (!facts->opened) {
        context.report.error(facts->path, 0, "cannot be opened");
        return;
    }
    checker.read_as_the_game_does();
    checker.check_values();
}
