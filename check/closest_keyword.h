// The script keyword a mistyped word most likely meant.
#pragma once
#include <string>

// The keyword nearest to word by edits (case ignored), or empty when none is near enough to be a guess.
std::string closest_keyword(const std::string& word);
