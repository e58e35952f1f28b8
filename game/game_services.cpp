// show_message and mute_ambient: look up the message line or the ambient-sound thing by its well-known slot.
#include "game/game_services.h"
#include "app/app_state.h"
#include "game/ambient_sound.h"
#include "game/message_line.h"
#include "game/thing_list.h"
#include "game/well_known_ids.h"

namespace {
template <typename T>
T* well_known(int slot)
{
    CThingList* list = AppState.currentGameList;
    const uint32_t id = WellKnownIds[slot];
    if (!list || !id) return nullptr;
    return dynamic_cast<T*>(list->find_thing(id));
}
}  // namespace

void show_message(const char* text, uint32_t ms)
{
    if (auto* line = well_known<CMessageLine>(SLOT_MESSAGE_LINE)) line->show_text(text, ms);
}

void mute_ambient(uint32_t ms)
{
    if (auto* ambient = well_known<CAmbientSound>(SLOT_AMBIENT_SOUND)) ambient->mute(ms);
}
