// Writes every interface picture, one job per screen, and the interface contact sheet.
#include "content.h"
#include "interface/interface_parts.h"
#include "jobs.h"
#include <cstdio>

bool save_strip_tga(const std::string& out, const std::string& base, const std::vector<Image>& frames)
{
    std::vector<Indexed> q = quantise_shared(frames, true, false);
    bool ok = true;
    for (size_t i = 0; i < q.size(); i++) {
        char num[16];
        std::snprintf(num, sizeof num, "%02d", int(i + 1));
        ok = write_tga8(data_path(out, base + num + ".tga"), q[i].w, q[i].h, q[i].idx, q[i].pal) && ok;
    }
    return ok;
}

Image contact_sheet(const std::vector<Image>& pics, int columns, int gap, Rgba backdrop)
{
    int rows = (int(pics.size()) + columns - 1) / columns;
    std::vector<int> col_w(size_t(columns), 0), row_h(size_t(rows), 0);
    for (size_t i = 0; i < pics.size(); i++) {
        col_w[i % size_t(columns)] = std::max(col_w[i % size_t(columns)], pics[i].w);
        row_h[i / size_t(columns)] = std::max(row_h[i / size_t(columns)], pics[i].h);
    }
    int W = gap, H = gap;
    for (int w : col_w) W += w + gap;
    for (int h : row_h) H += h + gap;
    Image sheet(W, H, backdrop);
    int y = gap;
    for (int r = 0; r < rows; r++) {
        int x = gap;
        for (int c = 0; c < columns; c++) {
            size_t i = size_t(r * columns + c);
            if (i < pics.size()) sheet.draw(pics[i], x, y);
            x += col_w[size_t(c)] + gap;
        }
        y += row_h[size_t(r)] + gap;
    }
    return sheet;
}

bool generate_interface(const ContentContext& ctx)
{
    Image title_n, title_p, options, levels, strip, hud, banners, ending, scenery, story;
    std::vector<Job> jobs = {
        {"title", [&]() { return write_title_screen(ctx.out, &title_n, &title_p); }},
        {"options", [&]() { return write_options_screen(ctx.out, &options); }},
        {"level select", [&]() { return write_level_select(ctx.out, &levels); }},
        {"story strip", [&]() { return write_story_strip(ctx.out, &strip); }},
        {"hud", [&]() { return write_hud(ctx.out, &hud); }},
        {"banners", [&]() { return write_banners(ctx.out, &banners); }},
        {"ending", [&]() { return write_ending_pictures(ctx.out, &ending); }},
        {"scenery", [&]() { return write_scenery(ctx.out, &scenery); }},
        {"story pictures", [&]() { return write_story_pictures(ctx.out, &story); }},
    };
    bool ok = run_jobs(jobs);
    Image sheet = contact_sheet({title_n, title_p, options, levels, hud, strip}, 3, 8, hex(0x202020));
    ok = save_png(data_path(ctx.sheets, "interface.png"), sheet) && ok;
    ok = save_png(data_path(ctx.sheets, "banners.png"), banners) && ok;
    ok = save_png(data_path(ctx.sheets, "ending.png"), ending) && ok;
    ok = save_png(data_path(ctx.sheets, "scenery.png"), scenery) && ok;
    ok = save_png(data_path(ctx.sheets, "story.png"), story) && ok;
    return ok;
}
