// Bearings, compass bins and one-step turns between keypad directions.
#include "game/direction.h"

#include <cmath>

#include "util/log.h"

namespace {

constexpr float kPi = 3.141592502593994f;
constexpr float kDegreesPerRadian = 57.29578f;

// The keypad directions clockwise from up.
constexpr int kRing[8] = {8, 9, 6, 3, 2, 1, 4, 7};

// Where d stands on the ring (0 for up), -1 when it is no direction.
int ring_place(int d)
{
    for (int i = 0; i < 8; i++)
        if (kRing[i] == d)
            return i;
    return -1;
}

// Keypad direction to its place clockwise from up (8 -> 1 ... 7 -> 8), and back.
int pad_to_clock(int d)
{
    const int place = ring_place(d);
    if (place < 0) {
        log_msg("Convert_pad_to_new_pad error! What do I do with %d?", d);
        return 1;
    }
    return place + 1;
}

int clock_to_pad(int index)
{
    if (index < 1 || index > 8) {
        log_msg("Convert_new_pad_to_pad error!");
        return 1;
    }
    return kRing[index - 1];
}

// (v mod 8) taken in 1..8.
int steps_of(int v)
{
    int m = ((v % 8) + 8) % 8;
    return m == 0 ? 8 : m;
}

} // namespace

float angle_of(float dx, float dy)
{
    if (dy == 0.0f) {
        if (dx > 0.0f)
            return 0.0f;
        return dx < 0.0f ? 3.1415925f : 0.0f;
    }
    if (dx == 0.0f)
        return dy > 0.0f ? 1.57f : 4.71f;
    float ax = std::fabs(dx), ay = std::fabs(dy);
    if (dx > 0.0f && dy > 0.0f)
        return std::atan(ay / ax);
    if (dx < 0.0f && dy > 0.0f)
        return kPi - std::atan(ay / ax);
    if (dx < 0.0f)
        return std::atan(ay / ax) + kPi;
    return 6.283185307178f - std::atan(ay / ax);
}

int direction_to(float x0, float y0, float x1, float y1)
{
    float b = angle_of(x0 - x1, y0 - y1) * kDegreesPerRadian - 90.0f;
    if (b < 0.0f)
        b += 360.0f;
    // Eight 45-degree bins, the first centred on up (the bounds 22.5, 67.5 ... are exact in float).
    for (int i = 0; i < 8; i++)
        if (b < 22.5f + 45.0f * float(i))
            return kRing[i];
    return kRing[0];
}

float direction_radians(int d)
{
    switch (d) {
    case 6: return 0.0f;
    case 3: return 0.7853982f;
    case 2: return 1.5707964f;
    case 1: return 2.3565927f;
    case 4: return 3.1415927f;
    case 7: return 3.9265926f;
    case 8: return 4.712389f;
    case 9: return 5.498185f;
    default: return 0.0f;
    }
}

int turn_clockwise(int d)
{
    const int place = ring_place(d);
    return place < 0 ? d : kRing[(place + 1) % 8];
}

int turn_counter_clockwise(int d)
{
    const int place = ring_place(d);
    return place < 0 ? d : kRing[(place + 7) % 8];
}

int turn_toward(int desired, int current)
{
    int want = pad_to_clock(desired);
    int now = pad_to_clock(current);
    if (want == now)
        return desired;
    int counterSteps = steps_of(now - want);
    int clockSteps = steps_of(want - now);
    if (counterSteps < clockSteps)
        return clock_to_pad(now == 1 ? 8 : now - 1);
    return clock_to_pad(now == 8 ? 1 : now + 1);
}

int death_facing(int d)
{
    switch (d) {
    case 7: case 1: case 2: case 4: return 4;
    case 3: case 9: case 8: case 6: return 6;
    default: return d;
    }
}
