// Renders every creature and effect strip, writes the frames into the program folder and the contact sheets beside.
#include "content.h"
#include "creatures/creature_defs.h"
#include "creatures/effects.h"
#include "creatures/parallel.h"
#include "creatures/strip_set.h"
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

namespace {

struct FrameJob {
    int def, strip, frame;
    char dir;
    size_t slot;  // index of the strip in its group
};

double seconds_since(std::chrono::steady_clock::time_point t0)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

// Renders the listed creatures at their scales into strip groups (one group per folder).
void render_creatures(const std::vector<int>& which, const std::vector<float>& ppu, std::vector<StripGroup>& groups)
{
    const auto& defs = creature_defs();
    std::vector<FrameJob> jobs;
    for (int di : which) {
        const CreatureDef& def = defs[size_t(di)];
        StripGroup& g = groups[size_t(di)];
        g = StripGroup{};
        g.name = def.folder;
        for (int si = 0; si < int(def.strips.size()); si++) {
            const StripDef& sd = def.strips[size_t(si)];
            for (char dir : sd.dirs) {
                RenderedStrip rs;
                rs.base = strip_base(def, sd, dir);
                rs.label = sd.word + " " + std::string(1, dir);
                rs.frames.resize(size_t(sd.frames));
                size_t slot = g.strips.size();
                g.strips.push_back(std::move(rs));
                for (int f = 0; f < sd.frames; f++) jobs.push_back({di, si, f, dir, slot});
            }
        }
    }
    parallel_for(int(jobs.size()), [&](int i) {
        const FrameJob& j = jobs[size_t(i)];
        const CreatureDef& def = defs[size_t(j.def)];
        const StripDef& sd = def.strips[size_t(j.strip)];
        Scene scene;
        Pose pose;
        pose.act = sd.act;
        pose.frame = j.frame;
        pose.count = sd.frames;
        def.build(scene, pose);
        RenderView view;
        view.ppu = ppu[size_t(j.def)];
        view.yaw = direction_yaw(j.dir);
        groups[size_t(j.def)].strips[j.slot].frames[size_t(j.frame)] = render_scene(scene, view);
    });
    parallel_for(int(which.size()), [&](int i) { pack_group(groups[size_t(which[size_t(i)])]); });
}

// How much smaller the creature must be drawn so that every frame fits every frame box it is used with.
float fit_factor(const StripGroup& g, const CreatureDef& def)
{
    float factor = 1.f;
    for (const IndexedStrip& s : g.packed)
        for (const FitBox& fb : def.fits) {
            int sw = int(float(s.w) * fb.scale), sh = int(float(s.h) * fb.scale);
            if (sw > fb.w) factor = std::min(factor, float(fb.w) / (float(s.w) * fb.scale));
            if (sh > fb.h) factor = std::min(factor, float(fb.h) / (float(s.h) * fb.scale));
        }
    return factor;
}

}  // namespace

bool generate_creatures(const ContentContext& ctx)
{
    auto t0 = std::chrono::steady_clock::now();
    const auto& defs = creature_defs();
    std::vector<StripGroup> groups(defs.size());
    std::vector<float> ppu;
    std::vector<int> all;
    for (size_t i = 0; i < defs.size(); i++) {
        ppu.push_back(defs[i].ppu);
        all.push_back(int(i));
    }
    render_creatures(all, ppu, groups);
    // A creature that outgrows a frame box is drawn again a little smaller (the sizes are deterministic).
    for (int pass = 0; pass < 3; pass++) {
        std::vector<int> redo;
        for (size_t i = 0; i < defs.size(); i++) {
            float f = fit_factor(groups[i], defs[i]);
            if (f < 1.f) {
                std::fprintf(stderr, "contentgen: %s drawn at %.3f of its size to fit its frame box\n",
                             defs[i].folder.c_str(), double(f * 0.98f));
                ppu[i] *= f * 0.98f;
                redo.push_back(int(i));
            }
        }
        if (redo.empty()) break;
        render_creatures(redo, ppu, groups);
    }
    double t_render = seconds_since(t0);

    std::vector<StripGroup> effects = render_effects();
    double t_effects = seconds_since(t0) - t_render;

    std::vector<StripGroup*> out;
    for (StripGroup& g : groups) out.push_back(&g);
    for (StripGroup& g : effects) out.push_back(&g);
    std::vector<char> ok(out.size(), 1);
    parallel_for(int(out.size()), [&](int i) { ok[size_t(i)] = write_group(*out[size_t(i)], ctx.out) ? 1 : 0; });
    double t_write = seconds_since(t0) - t_render - t_effects;
    if (!ctx.sheets.empty()) {
        parallel_for(int(out.size()), [&](int i) {
            const StripGroup& g = *out[size_t(i)];
            if (!write_contact_sheet(g, ctx.sheets + "/creatures_" + g.name + ".png", 2)) ok[size_t(i)] = 0;
        });
    }
    if (!ctx.sheets.empty()) {
        // Everyone side by side at the size the game draws them nearest the viewer (boss kinds too).
        std::vector<LineupEntry> line;
        for (size_t i = 0; i < defs.size(); i++) {
            const StripGroup& g = groups[i];
            size_t pick = 0;
            for (size_t k = 0; k < g.packed.size(); k++)
                if (g.packed[k].label.back() == '2') {
                    pick = k;
                    break;
                }
            std::vector<float> scales;
            for (const FitBox& fb : defs[i].fits)
                if (std::find(scales.begin(), scales.end(), fb.scale) == scales.end()) scales.push_back(fb.scale);
            if (scales.empty()) scales.push_back(1.f);
            for (float sc : scales) {
                char label[64];
                std::snprintf(label, sizeof label, "%s x%.1f", defs[i].folder.c_str(), double(sc));
                line.push_back({&g, pick, sc, label});
            }
        }
        if (!write_lineup_sheet(line, ctx.sheets + "/creatures_lineup.png", 2)) ok[0] = 0;
    }
    size_t frames = 0;
    for (const StripGroup* g : out)
        for (const IndexedStrip& s : g->packed) frames += s.frames.size();
    double t_sheets = seconds_since(t0) - t_render - t_effects - t_write;
    std::fprintf(stderr,
                 "contentgen: creatures %zu frames: render %.1f s, effects %.1f s, write %.1f s, sheets %.1f s, total %.1f s\n",
                 frames, t_render, t_effects, t_write, t_sheets, seconds_since(t0));
    for (char c : ok)
        if (!c) return false;
    return true;
}
