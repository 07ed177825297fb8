#pragma once

#include "graphics/IControl.h"

enum KnobDirection : int
{
  KnobVertical = 0,
  KnobHorizontal = 1,
};

// Turned by dragging (up or right raises it) and by the wheel; shift or ctrl
// gives fine adjustment.
class IKnobControl : public IControl
{
public:
  static constexpr double kDefaultGearing = 4.0;

  IKnobControl(IPlugBase& plug, const IRectI& drawRect, int paramIdx, const IBlendSetting& blend,
               int direction = KnobVertical);

  // A drag over the whole target changes the value by 1 / gearing.
  void DragTo(int x, int y, int dx, int dy, const IMouseState& state) override;
  void WheelAt(int x, int y, const IMouseState& state, int notches) override;

protected:
  int mDirection = KnobVertical;
  double mGearing = kDefaultGearing;
};
