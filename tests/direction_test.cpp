// Direction arithmetic: bearings, compass bins and turning one step.
#include <gtest/gtest.h>

#include <cmath>

#include "game/direction.h"

namespace {
const int kCompass[8] = {8, 9, 6, 3, 2, 1, 4, 7};   // clockwise from up
}

TEST(Direction, AngleOfEachQuadrantAndAxisAndTheBinsAroundThem)
{
    // y grows downward; straight down and up are the rounded 1.57 and 4.71.
    const float cases[][3] = {{1, 1, 0.7853982f},  {-1, 1, 2.3561945f}, {-1, -1, 3.9269907f}, {1, -1, 5.4977871f},
                              {5, 0, 0.0f},        {-5, 0, 3.1415925f}, {0, 5, 1.57f},         {0, -5, 4.71f}};
    for (const auto& c : cases) EXPECT_NEAR(angle_of(c[0], c[1]), c[2], 1e-5) << c[0] << ", " << c[1];
    EXPECT_EQ(angle_of(0, 0), 0.0f);

    // Every heading lands in the bin of the nearest compass point.
    for (int d : kCompass) {
        float heading = direction_radians(d);
        for (float off : {-0.3f, 0.0f, 0.3f})
            EXPECT_EQ(direction_to(0, 0, 100 * std::cos(heading + off), 100 * std::sin(heading + off)), d)
                << d << " " << off;
    }
}

TEST(Direction, TurnsGoRoundBothWaysAndTowardTheShortWayWithTiesClockwise)
{
    // Four steps either way (the opposite facing) goes clockwise; repeated steps arrive within four.
    for (int w = 0; w < 8; ++w)
        for (int c = 0; c < 8; ++c) {
            const int clockwiseSteps = (w - c + 8) % 8;
            int d = kCompass[c];
            EXPECT_EQ(turn_clockwise(d), kCompass[(c + 1) % 8]);
            EXPECT_EQ(turn_counter_clockwise(d), kCompass[(c + 7) % 8]);
            const int expected = clockwiseSteps == 0 ? d : kCompass[(c + (clockwiseSteps <= 4 ? 1 : 7)) % 8];
            EXPECT_EQ(turn_toward(kCompass[w], d), expected) << kCompass[w] << " from " << d;
            for (int step = 0; step < 4; ++step) d = turn_toward(kCompass[w], d);
            EXPECT_EQ(d, kCompass[w]);
        }
    EXPECT_EQ(turn_clockwise(5), 5);
    EXPECT_EQ(turn_counter_clockwise(0), 0);

    // A bad facing is logged and counted as up.
    testing::internal::CaptureStderr();
    EXPECT_EQ(turn_toward(5, 6), 9);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Convert_pad_to_new_pad error! What do I do with 5?"),
              std::string::npos);
}
