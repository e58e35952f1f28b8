// The files the game's own tables name: hero and monster strips and sounds, HUD pieces, menu pictures and sounds.
#include "check/game_files.h"

#include <set>
#include <string>

#include "app/app_state.h"
#include "check/check_context.h"
#include "game/hero.h"
#include "game/hud_files.h"
#include "game/monster_kind.h"
#include "game/spell_table.h"
#include "level/career.h"
#include "resources/archive_listing.h"
#include "screens/decompress.h"
#include "screens/screen_files.h"
#include "sound/sound_table.h"
#include "util/strings.h"

namespace {

const char* const kActionWords[kMonsterActionCount] = {"walk", "run", "idle", "attack", "death", "shoot"};

class TableFiles {
public:
    explicit TableFiles(CheckContext& context) : ctx_(context) {}

    void picture(const char* name, const std::string& what, const PictureUse& use = {})
    {
        if (!seen_.insert(name).second) return;
        const PictureFacts& f = ctx_.pictures.picture(name);
        report_picture(ctx_.report, shown_path(name), 0, what, name, f, use);
    }
    void strip(const char* name, const std::string& what, const PictureUse& use = {})
    {
        const PictureFacts& f = ctx_.pictures.strip(name);
        report_picture(ctx_.report, shown_path(f.firstFile.empty() ? name : f.firstFile), 0, what, name, f, use);
    }
    void sound(const char* name, const std::string& what)
    {
        if (!name[0] || !seen_.insert(name).second) return;
        report_sound(ctx_.report, shown_path(sound_file_played(name)), 0, what, name, ctx_.sounds.sound(name));
    }
    // Every named strip of a set; those that another slot mirrors are also drawn flipped.
    void strip_set(const CStripSet& set, const std::string& owner, const char* action, PictureUse use)
    {
        for (int d = 0; d < 10; d++) {
            const CGraphicStrip& s = set.slot[d];
            if (s.mirror || !s.name[0]) continue;
            use.mirrored = false;
            for (const CGraphicStrip& other : set.slot)
                if (other.mirror && other.source == &s) use.mirrored = true;
            strip(s.name, owner + " " + action + " strip, direction " + std::to_string(d), use);
        }
    }

private:
    CheckContext& ctx_;
    std::set<std::string> seen_;
};

void hero_files(TableFiles& files)
{
    name_hero_strips();
    PictureUse use;
    use.keyed = true;
    use.padWidth = use.padHeight = kHeroScratchSize;
    use.scale = kHeroScaleFactor;
    files.strip_set(HeroRunStrips, "hero's", "run", use);
    files.strip_set(HeroWalkStrips, "hero's", "walk", use);
    files.strip_set(HeroIdleStrips, "hero's", "idle", use);
    files.strip_set(HeroShootStrips, "hero's", "strike", use);
    files.strip_set(HeroDeathStrips, "hero's", "death", use);
    files.picture(kGameOverPicture, "game-over banner");
    files.sound(kHeroHurtSound, "hero's hurt sound");
    files.sound(kHeroDeathSound, "hero's death sound");
    files.sound(kWinfireSound, "hero's strike sound");
    files.sound(kGameOverSound, "game-over sound");
}

void monster_files(TableFiles& files)
{
    for (const CMonsterKind& k : MonsterKinds.kinds) {
        PictureUse use;
        use.keyed = true;
        use.padWidth = k.frameBoxWidth;
        use.padHeight = k.frameBoxHeight;
        use.scale = k.scale;
        const std::string owner = "monster kind " + std::to_string(k.kindId);
        for (int a = 0; a < kMonsterActionCount; a++) files.strip_set(k.strips[a], owner, kActionWords[a], use);
        files.sound(k.attackSound.name, owner + " attack sound");
        files.sound(k.deathSound.name, owner + " death sound");
    }
}

void hud_files(TableFiles& files)
{
    files.picture(kQuitButtonPicture, "quit button");
    files.picture(kPauseButtonPicture, "pause button");
    files.picture(kMeterBarPicture, "meter bar");
    files.picture(kSpellBorderPicture, "spell bar border");
    for (int s = SPELL_FIREBALL; s <= SPELL_INCINERATE; s++)
        files.strip(SpellTable[s].icon, std::string("spell bar icon of ") + SpellTable[s].name);
    files.strip(kLoadingStrip, "loading indicator");
}

void menu_files(TableFiles& files)
{
    PictureUse screen;
    screen.screen = true;
    files.picture(kTitlePicture, "title screen", screen);
    files.picture(kTitlePlayButton, "title play button");
    files.picture(kTitleQuitButton, "title quit button");
    files.picture(kTitleOptionsButton, "title options button");
    files.picture(kOptionsPicture, "options screen", screen);
    files.picture(kOptionsBackButton, "options back button");
    files.picture(kOptionsDotOff, "volume dot");
    files.picture(kOptionsDotOn, "lit volume dot");
    files.picture(kOptionsEasy, "easy difficulty picture");
    files.picture(kOptionsNormal, "NORMAL difficulty picture");
    files.picture(kOptionsHard, "HARD difficulty picture");
    files.picture(kLevelSelectPicture, "level select screen", screen);
    files.picture(kLevelSelectBackButton, "level select back button");
    for (int n = 1; n <= kCareerLevels; n++) {
        char name[64];
        level_button_picture(n, name, sizeof name);
        files.picture(name, "level select button " + std::to_string(n));
    }
    files.picture(kStoryContinue, "story continue strip");
    files.picture(kStoryContinuePressed, "pressed story continue strip");
    files.picture(kEndingQuitButton, "ending quit button");
    for (const char* name : kEndingPictures) files.picture(name, "ending picture");
    files.picture(kDecompressPicture, "unpacking screen", screen);
    files.sound(kTitleSound, "title sound");
    files.sound(kClickSound, "menu click");
    files.sound(story_music.name, "story music");
    files.sound(ending_music.name, "ending music");
}

}  // namespace

void check_game_files(CheckContext& context)
{
    TableFiles files(context);
    hero_files(files);
    monster_files(files);
    hud_files(files);
    menu_files(files);
}

void check_creature_archives(CheckContext& context)
{
    for (const char* folder : kCreatureFolders) {
        char name[256];
        creature_archive_name(folder, name, sizeof name);
        const std::string full = std::string(AppState.programDir) + name;
        if (!file_exists(full.c_str())) continue;
        const ArchiveListing listing = list_archive(full.c_str());
        if (!listing.opened) {
            context.report.error(shown_path(name), 0, "not a ZIP archive the game can open; the %s frames in it are lost",
                                 folder);
            continue;
        }
        for (const std::string& p : listing.problems) context.report.error(shown_path(name), 0, "entry %s", p.c_str());
    }
}
