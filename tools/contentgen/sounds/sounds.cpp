// Writes every sound of the game, the recipes spread over the cores, and a review sheet of them all.
#include "content.h"
#include "formats/file_out.h"
#include "jobs.h"
#include "paint/output.h"
#include "sounds/sound_list.h"
#include "sounds/sound_sheet.h"
#include <cstdio>

static std::string layout_name(Storage s)
{
    switch (s) {
    case Storage::Pcm8Mono22: return "22050 Hz 8-bit mono";
    case Storage::Pcm8Stereo22: return "22050 Hz 8-bit stereo";
    case Storage::Pcm16Mono22: return "22050 Hz 16-bit mono";
    case Storage::Pcm16Stereo44: return "44100 Hz 16-bit stereo";
    }
    return "";
}

bool generate_sounds(const ContentContext& ctx)
{
    std::vector<SoundRecipe> list;
    add_music(list);  // the two long pieces first, so the short ones fill in around them
    add_effect_sounds(list);
    add_creature_sounds(list);
    add_ambient_sounds(list);
    std::vector<Image> panels(list.size());
    std::vector<Job> jobs;
    for (size_t i = 0; i < list.size(); i++) {
        const SoundRecipe& r = list[i];
        jobs.push_back({r.name, [&ctx, &r, &panels, i]() {
                            Sound s = r.make();
                            // A few milliseconds of fade at the end, so no effect stops on a click; the
                            // music is left alone, its end runs on into its start.
                            if (r.name != "sounds\\story.wav" && r.name != "sounds\\ending.wav") fade_edges(s, 0.0f, 0.006f);
                            char secs[32];
                            std::snprintf(secs, sizeof secs, "%.2f s", double(s.seconds()));
                            panels[i] = sound_panel(s, r.name + "   " + layout_name(r.storage) + "   " + secs);
                            return save_sound(ctx.out, r.name, s, r.storage);
                        }});
    }
    bool ok = run_jobs(jobs);
    // Two columns of panels, one sheet.
    int rows = int(panels.size() + 1) / 2, ph = panels.empty() ? 0 : panels[0].h;
    Image sheet(2 * 480 + 12, rows * (ph + 4) + 4, hex(0x000000));
    for (size_t i = 0; i < panels.size(); i++) sheet.draw(panels[i], 4 + int(i % 2) * 484, 4 + int(i / 2) * (ph + 4));
    return save_png(data_path(ctx.sheets, "sounds.png"), sheet) && ok;
}
