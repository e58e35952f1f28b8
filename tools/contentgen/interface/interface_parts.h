// The interface pictures, screen by screen; each writes its files and can hand back previews for the sheets.
#pragma once
#include "formats/file_out.h"
#include "paint/image.h"
#include "paint/output.h"
#include <string>
#include <vector>

bool write_title_screen(const std::string& out, Image* sheet_normal, Image* sheet_pressed);
bool write_options_screen(const std::string& out, Image* preview);
bool write_level_select(const std::string& out, Image* preview);
bool write_story_strip(const std::string& out, Image* preview);
bool write_hud(const std::string& out, Image* preview);
bool write_banners(const std::string& out, Image* preview);
bool write_ending_pictures(const std::string& out, Image* preview);
bool write_scenery(const std::string& out, Image* preview);
bool write_story_pictures(const std::string& out, Image* preview);

// Saves the frames of a strip as name01.tga, name02.tga... with one shared palette.
bool save_strip_tga(const std::string& out, const std::string& base, const std::vector<Image>& frames);
// Lays pictures out on a dark sheet with gaps, for review.
Image contact_sheet(const std::vector<Image>& pics, int columns, int gap, Rgba backdrop);
