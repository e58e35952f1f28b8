// Writes the twelve level scripts ("logic\levels\levelN.txt") from the level plans.
#include "content.h"
#include "formats/file_out.h"
#include "levels/level_plan.h"
#include <cstdio>
#include <sstream>

static std::string num(float v)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", double(v));
    return buf;
}

std::string level_script_text(const LevelPlan& p)
{
    std::ostringstream s;
    auto line = [&](std::initializer_list<std::string> fields) {
        bool first = true;
        for (const std::string& f : fields) {
            if (!first) s << '|';
            s << f;
            first = false;
        }
        s << '\n';
    };
    auto i = [](int v) { return std::to_string(v); };
    s << "; Vorlaine level " << p.number << ": " << p.name << "\n\n";
    line({"level_name", p.name});
    line({"background_graphic", p.background});
    line({"rect_playfield", i(p.rect_left), i(p.rect_top), i(p.rect_right), i(p.rect_bottom)});
    line({"set_field_start", i(p.field_start())});
    line({"set_field_end", i(p.field_end())});
    line({"set_scale_mod", num(p.scale_mod)});
    if (p.has_start) line({"set_start_position", i(p.start_x), i(p.start_y)});
    s << "\n; spawning\n";
    line({"kills_required_to_continue", i(p.kills)});
    line({"creatures_to_spawn", i(p.spawn)});
    line({"max_creatures_on_screen_at_once", i(p.max_on_screen)});
    line({"spawn_delay_min", i(p.delay_min)});
    line({"spawn_delay_max", i(p.delay_max)});
    line({"initial_delay", i(p.initial_delay)});
    line({"main_enemy", i(p.main_enemy)});
    line({"secondary_enemy", i(p.secondary_enemy)});
    if (p.boss != 0) line({"set_boss", i(p.boss)});
    if (!p.boss_wave.empty()) line({"set_boss_intro_wave", p.boss_wave});
    if (p.dragon_flies != 0) line({"set_dragon_flys", num(p.dragon_flies), i(p.dfly_min), i(p.dfly_max)});
    if (p.next_level != 0) line({"next_level", i(p.next_level)});
    if (!p.ambient1.empty()) {
        s << "\n; sounds\n";
        line({"set_ambient_sound1", p.ambient1});
        if (!p.ambient2.empty()) line({"set_ambient_sound2", p.ambient2});
        line({"ambient_sound_activate", i(p.ambient_min), i(p.ambient_max)});
    }
    if (!p.intro_text.empty() || !p.story_text.empty()) s << "\n; texts\n";
    if (!p.intro_text.empty()) line({"set_intro_text", p.intro_text});
    if (!p.story_text.empty()) {
        line({"set_intro_scroller_background", p.story_background});
        line({"set_intro_scroller_text", p.story_text});
    }
    if (!p.boxes.empty()) s << "\n; hard boxes: left, top, right, bottom, walkable\n";
    for (const HardBox& b : p.boxes) line({"add_hardbox", i(b.left), i(b.top), i(b.right), i(b.bottom), i(b.value)});
    if (!p.sprites.empty()) s << "\n; scenery\n";
    for (const ScenerySprite& sp : p.sprites) {
        line({"sprite_clear"});
        line({"filename", sp.file});
        line({"animation_active", i(sp.anim)});
        line({"cordinates", i(sp.x), i(sp.y)});
        line({"orientation", sp.orientation});
        line({"set_sort", i(sp.sort)});
        if (sp.cannon) line({"set_cannon", sp.cannon_name, i(sp.cannon_x), i(sp.cannon_y)});
        line({"sprite_create"});
    }
    return s.str();
}

bool generate_level_scripts(const ContentContext& ctx)
{
    bool ok = true;
    for (const LevelPlan& p : level_plans()) {
        std::string name = "logic\\levels\\level" + std::to_string(p.number) + ".txt";
        ok = write_text_file(data_path(ctx.out, name), level_script_text(p)) && ok;
    }
    return ok;
}
