// Groups of rendered animation strips: laid out on a common ground line, quantised to one palette, written as frames.
#pragma once
#include "creatures/renderer.h"
#include "formats/tga_writer.h"
#include <string>
#include <vector>

struct RenderedStrip {
    std::string base;   // frame base name, e.g. "graphics\\wolf\\wolf_walk_6_00"
    std::string label;  // contact-sheet label, e.g. "walk 6"
    bool single = false; // a lone picture: base is the whole file name
    std::vector<RgbFrame> frames;
};

struct IndexedStrip {
    std::string base, label;
    bool single = false;
    int w = 0, h = 0;
    std::vector<std::vector<uint8_t>> frames;  // w * h palette indices each, top row first
};

struct StripGroup {
    std::string name;  // sheet name
    std::vector<RenderedStrip> strips;
    std::vector<Rgb> palette;  // entry 0 is the key
    std::vector<IndexedStrip> packed;
};

// Frame file name of frame n (from 1): base, "0" below 10, the number, ".tga".
std::string frame_file_name(const std::string& base, int n);

// Sizes every strip around its ground point (feet at the bottom centre), with the bottom edge shared by the
// whole group so a creature does not jump when it changes action, and quantises everything to one palette.
// `anchor_bottom` false centres each strip on its ground point vertically too (effects drawn by their centre).
void pack_group(StripGroup& group, bool anchor_bottom = true, int colours = 255);

// Writes every frame of every strip as an 8-bit TGA under the program folder.
bool write_group(const StripGroup& group, const std::string& root);

// One PNG: a row per strip (label, then every frame at `zoom`x on a checker that shows the key).
bool write_contact_sheet(const StripGroup& group, const std::string& path, int zoom = 2);

// One picture of many creatures side by side at the size the game draws them nearest the viewer:
// (group, strip index, game scale, label) for each.
struct LineupEntry {
    const StripGroup* group;
    size_t strip;
    float scale;
    std::string label;
};
bool write_lineup_sheet(const std::vector<LineupEntry>& entries, const std::string& path, int zoom = 2);
