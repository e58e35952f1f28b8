// CGraphicStrip: an animation of numbered frame files, loaded on first use into one block, or a mirror of another strip.
#pragma once
#include <cstdint>

constexpr int kStripNameSize = 256;

class CGraphicStrip {
public:
    CGraphicStrip() = default;
    ~CGraphicStrip();
    CGraphicStrip(const CGraphicStrip&) = delete;
    CGraphicStrip& operator=(const CGraphicStrip&) = delete;

    // Frees the frames (unless a mirror) and names the frame files; they load on first use.
    bool set_name(const char* baseName);
    void make_mirror(CGraphicStrip* of);
    // Frame n (from 1); flip is 1 for a mirror (also along a chain of mirrors). Null when the strip
    // cannot be loaded or n is outside 1..frame count.
    const uint16_t* get_frame(int n, uint8_t* flip);
    // Reads every frame now. On failure nothing stays loaded, so the next get_frame tries again.
    bool load();
    // Frees the frame store unless this is a mirror; count and size stay.
    void free_frames();

    // Size and count, followed along a chain of mirrors to the real strip.
    uint32_t frame_width() const;
    uint32_t frame_height() const;
    uint32_t frame_count() const;

    // base + ("0" below 10) + n + "." + extension, in one shared buffer that each call overwrites.
    static const char* frame_file_name(const char* base, int n, const char* extension);
    // How many loose files base + n + extension exist, counting from 1 up to the first gap.
    static int count_frames(const char* fullBase, const char* extension);

    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t frameCount = 0;
    char name[kStripNameSize] = {};
    uint16_t* frames = nullptr;
    uint8_t mirror = 0;
    CGraphicStrip* source = nullptr;

private:
    const CGraphicStrip* real_strip() const;
    bool load_decoded_strip(const char* fullBase, const char* extension);
    bool load_tga_strip();
};

// Called once at the start of every strip load (the loading indicator draws and presents from here).
void set_strip_load_hook(void (*hook)());
