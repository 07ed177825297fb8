#include "graphics/ISwitchControl.h"

namespace
{
// Steps a hair past 1 still count as the last frame.
constexpr double kWrapAbove = 1.001;
} // namespace

ISwitchControl::ISwitchControl(IPlugBase& plug, int x, int y, int paramIdx, const IFrameBitmap& bitmap, int blendKind)
  : IBitmapControl(plug, x, y, paramIdx, bitmap, blendKind)
{
}

void ISwitchControl::PressAt(int, int, const IMouseState&)
{
  const int count = mBitmap.frameCount;
  const double step = count > 1 ? 1.0 / (count - 1) : 1.0;
  double value = Value() + step;
  if (value > kWrapAbove)
    value = 0.0;
  mValue = value;
  MarkDirty(true);
}

void ISwitchControl::DoubleClickAt(int x, int y, const IMouseState& state) { PressAt(x, y, state); }
