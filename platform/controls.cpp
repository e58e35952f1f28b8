// The player's controls: keyboard keys and game controller buttons by their SDL names, read from controls.conf.
#include "platform/controls.h"
#include <SDL.h>
#include <cstdio>
#include "platform/file_paths.h"
#include "platform/keys.h"
#include "platform/user_folders.h"
#include "util/log.h"
#include "util/strings.h"
#include "util/text_lines.h"

namespace {

constexpr const char* kFileName = "controls.conf";

// Keys whose SDL names are the file's own separators.
const struct {
    const char* alias;
    SDL_Keycode key;
} kAliases[] = {{"Comma", SDLK_COMMA}, {"Equals", SDLK_EQUALS}, {"Hash", SDLK_HASH}};

std::string key_name(int32_t key)
{
    for (const auto& a : kAliases)
        if (a.key == key) return a.alias;
    return SDL_GetKeyName(SDL_Keycode(key));
}

// The input a name stands for in the section; false with a reason.
bool input_by_name(bool pad, const std::string& name, int32_t* input, std::string* reason)
{
    if (pad) {
        SDL_GameControllerButton b = SDL_GameControllerGetButtonFromString(lower_case(name).c_str());
        if (b == SDL_CONTROLLER_BUTTON_INVALID) {
            *reason = "unknown controller button '" + name + "'";
            return false;
        }
        *input = int32_t(b);
        return true;
    }
    SDL_Keycode key = SDLK_UNKNOWN;
    for (const auto& a : kAliases)
        if (same_ignoring_case(name.c_str(), a.alias)) key = a.key;
    if (key == SDLK_UNKNOWN) key = SDL_GetKeyFromName(name.c_str());
    if (key == SDLK_UNKNOWN) {
        *reason = "unknown key '" + name + "'";
        return false;
    }
    if (key == SDLK_F11 || key == SDLK_F12) {
        *reason = name + (key == SDLK_F11 ? " toggles fullscreen" : " takes screenshots") + " and serves no button";
        return false;
    }
    *input = int32_t(key);
    return true;
}

}  // namespace

Controls Controls::defaults()
{
    Controls c;
    const struct {
        SDL_Keycode key;
        uint32_t code;
    } keys[] = {{SDLK_UP, KEY_UP},       {SDLK_DOWN, KEY_DOWN},     {SDLK_LEFT, KEY_LEFT},
                {SDLK_RIGHT, KEY_RIGHT}, {SDLK_z, KEY_A},           {SDLK_x, KEY_B},
                {SDLK_c, KEY_C},         {SDLK_RETURN, KEY_START},  {SDLK_SPACE, KEY_EXTRA1},
                {SDLK_LSHIFT, KEY_EXTRA2}};
    for (const auto& k : keys) c.bindings_.push_back({false, int32_t(k.key), k.code, 0});
    // South strikes and east casts, as B and A sat on the handheld.
    const struct {
        SDL_GameControllerButton button;
        uint32_t code;
    } pads[] = {{SDL_CONTROLLER_BUTTON_DPAD_UP, KEY_UP},
                {SDL_CONTROLLER_BUTTON_DPAD_DOWN, KEY_DOWN},
                {SDL_CONTROLLER_BUTTON_DPAD_LEFT, KEY_LEFT},
                {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, KEY_RIGHT},
                {SDL_CONTROLLER_BUTTON_B, KEY_A},
                {SDL_CONTROLLER_BUTTON_A, KEY_B},
                {SDL_CONTROLLER_BUTTON_X, KEY_C},
                {SDL_CONTROLLER_BUTTON_START, KEY_START},
                {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, KEY_EXTRA1},
                {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, KEY_EXTRA2}};
    for (const auto& p : pads) c.bindings_.push_back({true, int32_t(p.button), p.code, 0});
    return c;
}

bool Controls::read_line(const std::string& raw, int number, std::string* reason)
{
    const std::string line = trim_blanks(raw);
    if (line.empty() || line[0] == '#') return true;
    if (line[0] == '[') {
        const std::string name = lower_case(line);
        if (name == "[keyboard]") section_ = 0;
        else if (name == "[controller]") section_ = 1;
        else {
            *reason = "unknown section " + line + " (there are [keyboard] and [controller])";
            return false;
        }
        return true;
    }
    const size_t eq = line.find('=');
    if (eq == std::string::npos) {
        *reason = "expected BUTTON = NAME, NAME, ...";
        return false;
    }
    if (section_ < 0) {
        *reason = "no [keyboard] or [controller] line above it";
        return false;
    }
    const bool pad = section_ == 1;
    const std::string button = lower_case(trim_blanks(line.substr(0, eq)));
    int index = -1;
    for (int i = 0; i < 10; i++)
        if (button == kButtonNames[i].name) index = i;
    if (index < 0) {
        *reason = "unknown button '" + button + "' (up, down, left, right, a, b, c, start, extra1, extra2)";
        return false;
    }
    if (setOnLine_[section_][index]) {
        *reason = button + " is set on line " + std::to_string(setOnLine_[section_][index]) + " already";
        return false;
    }
    // The names, all of them known, before anything changes.
    std::vector<int32_t> inputs;
    const std::string list = trim_blanks(line.substr(eq + 1));
    for (size_t at = 0; !list.empty() && at <= list.size();) {
        size_t comma = list.find(',', at);
        if (comma == std::string::npos) comma = list.size();
        const std::string name = trim_blanks(list.substr(at, comma - at));
        at = comma + 1;
        int32_t input = 0;
        if (name.empty()) {
            *reason = "an empty name in the list";
            return false;
        }
        if (!input_by_name(pad, name, &input, reason)) return false;
        for (const ControlBinding& b : bindings_)
            if (b.pad == pad && b.input == input && b.line > 0) {
                *reason = name + " serves " + button_name(b.code) + " on line " + std::to_string(b.line) + " already";
                return false;
            }
        inputs.push_back(input);
    }
    // The button's defaults in this section go, and so does any default that one of the new inputs had.
    const uint32_t code = kButtonNames[index].code;
    std::vector<ControlBinding> kept;
    for (const ControlBinding& b : bindings_) {
        bool drop = b.pad == pad && b.code == code;
        for (int32_t input : inputs) drop = drop || (b.pad == pad && b.input == input);
        if (!drop) kept.push_back(b);
    }
    for (int32_t input : inputs) {
        bool twice = false;
        for (const ControlBinding& b : kept) twice = twice || (b.pad == pad && b.input == input);
        if (!twice) kept.push_back({pad, input, code, number});
    }
    bindings_ = kept;
    setOnLine_[section_][index] = number;
    return true;
}

bool Controls::load(const std::string& path)
{
    const TextRead read = read_text_lines(path, "Controls file", [this](const TextLine& line, std::string* reason) {
        return read_line(line.text, line.number, reason);
    });
    return read != TextRead::NotOpened;
}

uint32_t Controls::key_code(int32_t sdlKey) const
{
    for (const ControlBinding& b : bindings_)
        if (!b.pad && b.input == sdlKey) return b.code;
    return 0;
}

uint32_t Controls::pad_code(int sdlButton) const
{
    for (const ControlBinding& b : bindings_)
        if (b.pad && b.input == sdlButton) return b.code;
    return 0;
}

std::string Controls::file_text() const
{
    std::string text =
        "# Vorlaine controls: the keyboard keys and game controller buttons that stand for the handheld's\n"
        "# buttons. Edit this file and start the game again; vorlaine --write-controls writes the defaults.\n"
        "#\n"
        "# Below a section line, each line names a button and what presses it:   BUTTON = NAME, NAME, ...\n"
        "#   BUTTON  up, down, left, right, a, b, c, start, extra1, extra2 (in a level b, start and extra1\n"
        "#           strike with the staff; a, c and extra2 cast the selected spell)\n"
        "#   NAME    under [keyboard], a key as SDL names it: Up, Z, Return, Space, Left Shift, Keypad 8, F1,\n"
        "#           Q, ... (Comma, Equals and Hash for the keys , = and #);\n"
        "#           under [controller], a game controller button: a (south), b (east), x (west), y (north),\n"
        "#           back, guide, start, leftstick, rightstick, leftshoulder, rightshoulder, dpup, dpdown,\n"
        "#           dpleft, dpright\n"
        "# Several names may serve one button, and a name serves one button only. \"BUTTON =\" with no name\n"
        "# leaves the button without any; a button left out keeps its default. F11 (and Alt+Enter) toggles\n"
        "# fullscreen and F12 saves a screenshot: they serve no button. The left stick always steers.\n";
    for (int pad = 0; pad < 2; pad++) {
        text += pad ? "\n[controller]\n" : "\n[keyboard]\n";
        for (const auto& button : kButtonNames) {
            std::string names;
            for (const ControlBinding& b : bindings_) {
                if (b.pad != (pad == 1) || b.code != button.code) continue;
                if (!names.empty()) names += ", ";
                names += pad ? SDL_GameControllerGetStringForButton(SDL_GameControllerButton(b.input))
                             : key_name(b.input);
            }
            text += std::string(button.name) + " = " + names + "\n";
        }
    }
    return text;
}

std::string sys_controls_path()
{
    const std::string folder = sys_user_config_folder();
    return folder.empty() ? folder : folder + kFileName;
}

bool sys_controls_write_defaults(std::string* path, std::string* kept)
{
    *path = sys_controls_path();
    kept->clear();
    const std::string folder = sys_user_config_folder();
    if (path->empty() || !files::make_folders(folder, 0755)) return false;
    if (files::path_exists(*path)) {
        const std::string old = *path + ".old";
        if (std::rename(path->c_str(), old.c_str()) != 0) return false;
        *kept = old;
    }
    return files::write_text_file(*path, Controls::defaults().file_text());
}
