#include "graphics/IKnobControl.h"

namespace
{
constexpr double kFineFactor = 10.0;
constexpr double kWheelStep = 0.01;
constexpr double kFineWheelStep = 0.001;

bool WantsFine(const IMouseState& state) { return state.shift || state.ctrl; }
} // namespace

IKnobControl::IKnobControl(IPlugBase& plug, const IRectI& drawRect, int paramIdx, const IBlendSetting& blend,
                           int direction)
  : IControl(plug, drawRect, paramIdx, blend), mDirection(direction)
{
}

void IKnobControl::DragTo(int, int, int dx, int dy, const IMouseState& state)
{
  const double gearing = WantsFine(state) ? mGearing * kFineFactor : mGearing;
  const int span = mDirection == KnobVertical ? mTargetRect.top - mTargetRect.bottom
                                              : mTargetRect.right - mTargetRect.left;
  // A target without extent cannot be dragged across.
  if (span != 0)
    NudgeValue((mDirection == KnobVertical ? dy : dx) / static_cast<double>(span) / gearing);
  MarkDirty(true);
}

void IKnobControl::WheelAt(int, int, const IMouseState& state, int notches)
{
  NudgeValue(notches * (WantsFine(state) ? kFineWheelStep : kWheelStep));
  MarkDirty(true);
}
