// Writes every sound of the game, the recipes spread over the cores.
#include "content.h"
#include "jobs.h"
#include "sounds/sound_list.h"

bool generate_sounds(const ContentContext& ctx)
{
    std::vector<SoundRecipe> list;
    add_music(list);  // the two long pieces first, so the short ones fill in around them
    add_effect_sounds(list);
    add_creature_sounds(list);
    add_ambient_sounds(list);
    std::vector<Job> jobs;
    for (const SoundRecipe& r : list)
        jobs.push_back({r.name, [&ctx, &r]() { return save_sound(ctx.out, r.name, r.make(), r.storage); }});
    return run_jobs(jobs);
}
