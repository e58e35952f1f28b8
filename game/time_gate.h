// CTimeGate: the pickup the level controller places once the quota is met; the hero reaching it wins the level.
#pragma once
#include <cstdint>

#include "game/pickup.h"

struct LevelProgressRecord;

// Reaching it sets the progress record's level-finished flag (the game screen polls it) and, below level
// 12, unlocks the next level in the career and saves the career. It stays in the list; the level change
// empties the list.
class CTimeGate : public CPickup {
public:
    CTimeGate();
    // The game's LevelProgress unless another record is given (tests).
    explicit CTimeGate(LevelProgressRecord* progress);

    // Keeps the random walkable place every actor gets, shows the gate growing in and plays its sound.
    void place_gate();

    LevelProgressRecord* progress = nullptr;

protected:
    void take_effect(CActor* hero) override;
};
