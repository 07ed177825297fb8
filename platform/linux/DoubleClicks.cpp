#include "platform/linux/DoubleClicks.h"

#include <cstdint>
#include <cstdlib>

bool DoubleClicks::Press(int x, int y, unsigned long timeMs)
{
  // Server time stamps are 32 bits and wrap around after 49 days; their
  // difference taken in 32 bits stays right.
  const bool completes = mPending && static_cast<std::uint32_t>(timeMs - mTime) <= kIntervalMs && std::abs(x - mX) <= kDistance &&
                         std::abs(y - mY) <= kDistance;
  mPending = !completes;
  mX = x;
  mY = y;
  mTime = timeMs;
  return completes;
}
