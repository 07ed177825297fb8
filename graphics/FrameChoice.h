#pragma once

#include "graphics/IFrameBitmap.h"

// The frame of a film strip that shows a value, and where it starts.
struct FrameChoice
{
  // 1-based.
  int frame = 1;
  int sourceX = 0;
  int sourceY = 0;
};

// Value 0 shows the first frame and 1 the last, rounding to the nearest;
// values outside 0..1 (or not a number) show the nearest end.
FrameChoice ChooseFrame(const IFrameBitmap& bitmap, double value);
