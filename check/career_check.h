// Checking the career file with the game's career loader.
#pragma once

struct CheckContext;

// When "career.dat" exists: read as the game reads it, with anything the loader would cut, pad or replace
// reported. A missing file is no problem (the game starts from the defaults).
void check_career_file(CheckContext& context);
