// The player's controls: which keyboard keys and game controller buttons stand for the handheld's buttons,
// read from controls.conf in the settings folder.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// One keyboard key (an SDL key code) or game controller button (an SDL button number) and the handheld
// button's key code it sends (KEY_UP ...).
struct ControlBinding {
    bool pad = false;
    int32_t input = 0;
    uint32_t code = 0;
    int line = 0;  // the controls file's line that set it; 0 for a default
};

class Controls {
public:
    // The keys of DESIGN's key map: arrows, Z, X, C, Enter, Space, Left Shift; the d-pad, south, east and
    // west buttons, Start and the shoulders.
    static Controls defaults();

    // Reads a controls file over the defaults; a line that cannot be read is logged with its number and
    // skipped. False when there is no such file (the defaults stay).
    bool load(const std::string& path);
    // Reads one line of a file (lines come in order; "[keyboard]" and "[controller]" start sections). False
    // with a reason when the line cannot be read; nothing changes then.
    bool read_line(const std::string& line, int number, std::string* reason);

    // The handheld key code for a keyboard key or controller button; 0 when it serves none.
    uint32_t key_code(int32_t sdlKey) const;
    uint32_t pad_code(int sdlButton) const;
    const std::vector<ControlBinding>& bindings() const { return bindings_; }
    // These controls as a commented file a player can edit.
    std::string file_text() const;

private:
    std::vector<ControlBinding> bindings_;
    int section_ = -1;          // 0 [keyboard], 1 [controller], -1 none yet
    int setOnLine_[2][10] = {};  // per section and button: the line that set it (0: not yet)
};

// $XDG_CONFIG_HOME/vorlaine/controls.conf (or ~/.config/vorlaine/controls.conf); empty when no folder is known.
std::string sys_controls_path();
// Writes the default controls to sys_controls_path(); an existing file is kept beside it as
// controls.conf.old (named in *kept). False when the file cannot be written.
bool sys_controls_write_defaults(std::string* path, std::string* kept);
