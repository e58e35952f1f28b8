// Clearing the well-known id table.
#include "game/well_known_ids.h"

void clear_well_known_ids()
{
    for (uint32_t& id : WellKnownIds) id = 0;
}
