#pragma once

#include "graphics/IBitmapControl.h"

// Steps through its frames on every press (any button) and double click,
// wrapping from the last back to the first.
class ISwitchControl : public IBitmapControl
{
public:
  ISwitchControl(IPlugBase& plug, int x, int y, int paramIdx, const IFrameBitmap& bitmap,
                 int blendKind = BlendSourceAlpha);

  void PressAt(int x, int y, const IMouseState& state) override;
  void DoubleClickAt(int x, int y, const IMouseState& state) override;
};
