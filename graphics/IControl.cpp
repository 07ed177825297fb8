#include "graphics/IControl.h"

#include "core/IPlugBase.h"
#include "graphics/CentredRect.h"
#include "graphics/IGraphics.h"

#include <algorithm>
#include <cstddef>

namespace
{
constexpr float kDisabledWeight = 0.25f;
}

IControl::IControl(IPlugBase& plug, const IRectI& drawRect, int paramIdx, const IBlendSetting& blend)
  : mPlug(plug), mDrawRect(drawRect), mTargetRect(drawRect), mParamIdx(paramIdx), mBlend(blend)
{
}

void IControl::AttachTo(IGraphics& graphics, int listIndex)
{
  mGraphics = &graphics;
  mListIndex = listIndex;
}

void IControl::PressAt(int, int, const IMouseState& state)
{
  if (state.right)
    PromptForValue();
}

void IControl::ReleaseAt(int, int, const IMouseState&) {}

void IControl::DragTo(int, int, int, int, const IMouseState&) {}

void IControl::DoubleClickAt(int, int, const IMouseState&)
{
  const double defaultValue = mDefaultValue.load();
  if (defaultValue >= 0.0)
  {
    mValue = defaultValue;
    MarkDirty(true);
  }
}

void IControl::WheelAt(int, int, const IMouseState&, int) {}

bool IControl::KeyAt(int, int, int) { return false; }

void IControl::HoverAt(int, int, const IMouseState&) {}

void IControl::HoverEnd() {}

void IControl::ApplyScale(double) {}

void IControl::TakePlugValue(double normalized)
{
  if (mDefaultValue.load() < 0.0)
  {
    // The first value is the default, kept unclamped. Controls bound to no
    // parameter receive it only once the editor is showing: it must be drawn.
    mDefaultValue = normalized;
    if (!(normalized == mValue.exchange(normalized)))
    {
      mDirty = true;
      mChangedAgain = true;
    }
    return;
  }
  if (!(normalized == mValue.load()))
  {
    mValue = normalized;
    MarkDirty(false);
    mChangedAgain = true;
  }
}

void IControl::TakeUserValue(double normalized)
{
  if (!(normalized == mValue.load()))
  {
    mValue = normalized;
    MarkDirty(true);
    mChangedAgain = true;
  }
}

void IControl::TakeEnteredText(const char*) {}

void IControl::SetHidden(bool hidden)
{
  mHidden = hidden;
  mChangedAgain = true;
  mBlend.weight = hidden ? 0.0f : 1.0f;
  MarkDirty(false);
}

void IControl::SetDisabled(bool disabled)
{
  mDisabled = disabled;
  mBlend.weight = disabled ? kDisabledWeight : 1.0f;
  MarkDirty(false);
}

bool IControl::HitTest(int x, int y) const { return mTargetRect.Contains(x, y); }

void IControl::MarkDirty(bool pushToPlug)
{
  double value = mValue.load();
  value = mLowerBound > value ? mLowerBound : std::min(mUpperBound, value);
  mValue = value;
  mDirty = true;
  mChangedAgain = true;

  if (mParamIdx < 0)
    return;
  if (pushToPlug)
    mPlug.SetParamFromEditor(mParamIdx, value);
  if (mGraphics == nullptr)
    return;
  for (int i = 0; i < mGraphics->NControls(); ++i)
  {
    IControl* control = mGraphics->GetControl(i);
    if (control->ParamIdx() == mParamIdx)
      control->TakePlugValue(value);
  }
}

void IControl::MarkClean()
{
  mDirty = mChangedAgain.exchange(false);
}

bool IControl::NeedsRedraw() const { return mDirty.load(); }

void IControl::IdleTick() {}

void IControl::TakeAuxPlugValue(int binding, double normalized)
{
  if (binding < 0 || binding >= static_cast<int>(mAuxParams.size()))
    return;
  AuxParam& aux = mAuxParams[static_cast<std::size_t>(binding)];
  if (!(normalized == aux.value))
  {
    aux.value = normalized;
    MarkDirty(false);
  }
}

int IControl::AddAuxParam(int paramIdx)
{
  mAuxParams.push_back({paramIdx, 0.0});
  return static_cast<int>(mAuxParams.size()) - 1;
}

int IControl::FirstAuxBindingFor(int paramIdx) const
{
  for (std::size_t i = 0; i < mAuxParams.size(); ++i)
    if (mAuxParams[i].paramIdx == paramIdx)
      return static_cast<int>(i);
  return -1;
}

double IControl::AuxValue(int binding) const
{
  if (binding < 0 || binding >= static_cast<int>(mAuxParams.size()))
    return 0.0;
  return mAuxParams[static_cast<std::size_t>(binding)].value;
}

void IControl::MoveTo(int x, int y)
{
  mDrawRect = {x, y, x + mDrawRect.Width(), y + mDrawRect.Height()};
  mTargetRect = mDrawRect;
}

void IControl::PromptForValue()
{
  if (const IPlugParam* param = mPlug.GetParam(mParamIdx))
    PromptForValueOver(param->DisplayTextCount() > 0 ? mDrawRect : SameCentreRect(mDrawRect));
}

void IControl::PromptForValueOver(const IRectI& rect)
{
  IPlugParam* param = mPlug.GetParam(mParamIdx);
  if (param == nullptr || mPromptDisabled || mGraphics == nullptr)
    return;
  mGraphics->PromptParamInput(this, param, &rect);
  mChangedAgain = true;
}

void IControl::NudgeValue(double delta) { mValue = mValue.load() + delta; }
