#include "platform/linux/DoubleClicks.h"

#include <cstdlib>

bool DoubleClicks::Press(int x, int y, unsigned long timeMs)
{
  // Time stamps wrap around after 49 days; unsigned differences stay right.
  const bool completes = mPending && timeMs - mTime <= kIntervalMs && std::abs(x - mX) <= kDistance &&
                         std::abs(y - mY) <= kDistance;
  mPending = !completes;
  mX = x;
  mY = y;
  mTime = timeMs;
  return completes;
}
