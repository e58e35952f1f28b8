// Writes every playfield background and story picture, one job each.
#include "backgrounds/level_sheet.h"
#include "backgrounds/settings.h"
#include "content.h"
#include "formats/file_out.h"
#include "jobs.h"
#include "paint/output.h"

Image paint_level(const LevelPlan& p)
{
    switch (p.setting) {
    case Setting::Meadow: return paint_meadow(p);
    case Setting::Forest: return paint_forest(p);
    case Setting::Graveyard: return paint_graveyard(p);
    case Setting::Swamp: return paint_swamp(p);
    case Setting::Desert: return paint_desert(p);
    case Setting::Snow: return paint_snow(p);
    case Setting::CastleWalls: return paint_castle_walls(p);
    case Setting::ThornGarden: return paint_thorn_garden(p);
    case Setting::Volcanic: return paint_volcanic(p);
    case Setting::Crater: return paint_crater(p);
    case Setting::Causeway: return paint_causeway(p);
    case Setting::Spire: return paint_spire(p);
    }
    return paint_meadow(p);
}

static bool save_by_extension(const std::string& path, const Image& img)
{
    std::string ext = path.substr(path.size() - 3);
    if (ext == "jpg") return save_jpg(path, img, 90);
    if (ext == "png") return save_png(path, img);
    return save_tga(path, img, false, true);
}

bool generate_backgrounds(const ContentContext& ctx)
{
    std::vector<Job> jobs;
    for (const LevelPlan& p : level_plans()) {
        jobs.push_back({p.background, [&ctx, &p]() {
                            Image img = paint_level(p);
                            bool ok = save_by_extension(data_path(ctx.out, p.background), img);
                            std::string sheet = "level" + std::string(p.number < 10 ? "0" : "") + std::to_string(p.number) + ".png";
                            return save_png(data_path(ctx.sheets, sheet), level_sheet(p, img)) && ok;
                        }});
    }
    return run_jobs(jobs);
}
