// Compass directions numbered as on a keypad (8 up, 6 right, 2 down, 4 left, 5 none) and their arithmetic.
#pragma once

enum Direction : int {
    DIR_DOWN_LEFT = 1,
    DIR_DOWN = 2,
    DIR_DOWN_RIGHT = 3,
    DIR_LEFT = 4,
    DIR_NONE = 5,
    DIR_RIGHT = 6,
    DIR_UP_LEFT = 7,
    DIR_UP = 8,
    DIR_UP_RIGHT = 9,
};

// Heading of (dx, dy) in radians in [0, 2pi), y downward (1.57 points down). (0, 0) gives 0.
float angle_of(float dx, float dy);
// The compass direction from (x0, y0) toward (x1, y1).
int direction_to(float x0, float y0, float x1, float y1);
// Heading of a direction in radians (6 is 0, 2 is pi/2); 0 for 5 and other values.
float direction_radians(int d);
// One 45-degree step: 1 4 7 8 9 6 3 2 round clockwise; other values unchanged.
int turn_clockwise(int d);
int turn_counter_clockwise(int d);
// One 45-degree step from current toward desired, the shorter way; a half turn goes clockwise.
int turn_toward(int desired, int current);
// The side a dying body falls to: 4 for the left half and straight down, 6 for the rest, 5 stays 5.
int death_facing(int d);
