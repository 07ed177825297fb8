#include "graphics/FrameChoice.h"

#include <gtest/gtest.h>

#include <limits>

TEST(FrameChoice, ValueSelectsTheNearestFrame)
{
  struct Case
  {
    const char* what;
    IFrameBitmap bitmap;
    double value;
    FrameChoice expected;
  };
  const Case cases[] = {
    {"VU strip at 0.5", {nullptr, 250, 12500, 100, false}, 0.5, {51, 0, 6250}},
    {"knob at 1", {nullptr, 120, 8760, 73, false}, 1.0, {73, 0, 8640}},
    {"knob at 0.5", {nullptr, 120, 8760, 73, false}, 0.5, {37, 0, 4320}},
    {"knob at 0.999", {nullptr, 120, 8760, 73, false}, 0.999, {73, 0, 8640}},
    {"lamp at 1", {nullptr, 16, 320, 20, false}, 1.0, {20, 0, 304}},
    {"first frame at 0", {nullptr, 16, 320, 20, false}, 0.0, {1, 0, 0}},
    {"machines at 2/3", {nullptr, 180, 720, 4, false}, 2.0 / 3.0, {3, 0, 360}},
    // (3 - 1) * 0.25 + 0.5 = 1 → frame 2 of 3, x = trunc(10 * 1 / 3 + 0.5) = 3.
    {"side by side", {nullptr, 10, 4, 3, true}, 0.25, {2, 3, 0}},
    {"single frame", {nullptr, 10, 10, 1, false}, 0.7, {1, 0, 0}},
    {"above 1", {nullptr, 16, 320, 20, false}, 3.0, {20, 0, 304}},
    {"below 0", {nullptr, 16, 320, 20, false}, -2.0, {1, 0, 0}},
    {"not a number", {nullptr, 16, 320, 20, false}, std::numeric_limits<double>::quiet_NaN(), {1, 0, 0}},
  };
  for (const Case& c : cases)
  {
    const FrameChoice choice = ChooseFrame(c.bitmap, c.value);
    EXPECT_EQ(choice.frame, c.expected.frame) << c.what;
    EXPECT_EQ(choice.sourceX, c.expected.sourceX) << c.what;
    EXPECT_EQ(choice.sourceY, c.expected.sourceY) << c.what;
  }
}
