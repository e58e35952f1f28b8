// A mark that the player's folders changed, so a platform that keeps them in other storage can store them.
#include "platform/player_files.h"
#include <atomic>

namespace {
// The volume is kept from the sound device's calls, which need not come from the game's thread.
std::atomic<bool> g_changed{false};
}  // namespace

void sys_player_files_changed() { g_changed.store(true); }

bool sys_player_files_take_changes() { return g_changed.exchange(false); }
