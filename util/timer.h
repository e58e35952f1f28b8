// Countdown timer over the frame clock (AppState.frameTime).
#pragma once
#include <cstdint>

class CTimer {
public:
    CTimer();
    void reset();
    void set_interval(uint32_t ms);
    bool ready();
    uint32_t elapsed() const;

    uint32_t start;
    uint32_t created;
    uint32_t interval;
};
