#include "graphics/FrameChoice.h"

#include <algorithm>
#include <cmath>

FrameChoice ChooseFrame(const IFrameBitmap& bitmap, double value)
{
  const int count = bitmap.frameCount;
  if (count <= 1)
    return {};
  const double position = std::floor((count - 1) * value + 0.5);
  const int frame = std::isnan(position) ? 1 : static_cast<int>(std::clamp(position, 0.0, count - 1.0)) + 1;
  if (frame == 1)
    return {};
  FrameChoice choice{frame, 0, 0};
  if (bitmap.framesSideBySide)
    choice.sourceX = static_cast<int>(std::floor(static_cast<double>(bitmap.width) * (frame - 1) / count + 0.5));
  else
    choice.sourceY = static_cast<int>(std::floor(static_cast<double>(bitmap.height) * (frame - 1) / count + 0.5));
  return choice;
}
