// What one data check carries along: the report, and the pictures and sounds already read.
#pragma once
#include <string>

#include "check/check_report.h"
#include "check/picture_check.h"
#include "check/sound_check.h"

struct CheckContext {
    CheckReport report;
    PictureChecker pictures;
    SoundChecker sounds;
    int scriptsChecked = 0;
};

// The path of a data name as shown in problem lines: the program folder and the name, separators as the
// files layer maps them.
std::string shown_path(const std::string& name);
