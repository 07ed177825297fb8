#include "core/IPlugBase.h"
#include "graphics/IControl.h"
#include "graphics/IGraphics.h"

#include <cmath>

namespace
{
// The plug-in API whose hosts offer their own menu on a right click.
constexpr int kApiWithHostParamMenu = 1;
constexpr int kWheelUnitsPerNotch = 120;
} // namespace

int IGraphics::ToEditorPixels(int windowPixels)
{
  const double scale = GetDisplayScale();
  if (!(scale > 0.0) || !std::isfinite(scale))
    return windowPixels;
  return static_cast<int>(std::trunc(windowPixels / scale));
}

int IGraphics::HitTestControls(int x, int y) const
{
  for (int i = NControls() - 1; i >= 0; --i)
  {
    const IControl& control = *GetControl(i);
    if (!control.IsHidden() && !control.IsDisabled() && control.HitTest(x, y))
      return i;
  }
  return -1;
}

int IGraphics::PointerTarget(int x, int y) const
{
  return mCaptureIndex >= 0 ? mCaptureIndex : HitTestControls(x, y);
}

bool IGraphics::HasParam(const IControl& control) const { return mPlug.GetParam(control.ParamIdx()) != nullptr; }

void IGraphics::ForgetPointerCapture()
{
  mCaptureIndex = -1;
  mLastX = -1;
  mLastY = -1;
}

void IGraphics::PointerDown(int x, int y, const IMouseState& state)
{
  const int ex = ToEditorPixels(x);
  const int ey = ToEditorPixels(y);
  ForgetPointerCapture();
  const int target = HitTestControls(ex, ey);
  if (target < 0)
    return;
  mCaptureIndex = target;
  mLastX = ex;
  mLastY = ey;

  IControl& control = *GetControl(target);
  if (mPlug.PluginApiKind() == kApiWithHostParamMenu && state.right && HasParam(control))
  {
    ForgetPointerCapture();
    mPlug.ShowHostParamMenu(control.ParamIdx(), ex, ey);
    return;
  }
  if (HasParam(control))
    mPlug.BeginInformHostOfParamChange(control.ParamIdx());
  control.PressAt(ex, ey, state);
}

void IGraphics::PointerUp(int x, int y, const IMouseState& state)
{
  const int ex = ToEditorPixels(x);
  const int ey = ToEditorPixels(y);
  IControl* target = GetControl(PointerTarget(ex, ey));
  ForgetPointerCapture();
  if (target == nullptr)
    return;
  target->ReleaseAt(ex, ey, state);
  if (HasParam(*target))
    mPlug.EndInformHostOfParamChange(target->ParamIdx());
}

void IGraphics::PointerDrag(int x, int y, const IMouseState& state)
{
  const int ex = ToEditorPixels(x);
  const int ey = ToEditorPixels(y);
  IControl* captured = GetControl(mCaptureIndex);
  if (captured == nullptr || (ex == mLastX && ey == mLastY))
    return;
  const int dx = ex - mLastX;
  const int dy = ey - mLastY;
  mLastX = ex;
  mLastY = ey;
  captured->DragTo(ex, ey, dx, dy, state);
}

bool IGraphics::PointerHover(int, int, const IMouseState&) { return false; }

void IGraphics::PointerDoubleClick(int x, int y, const IMouseState& state)
{
  const int ex = ToEditorPixels(x);
  const int ey = ToEditorPixels(y);
  ForgetPointerCapture();
  if (IControl* target = GetControl(HitTestControls(ex, ey)))
    target->DoubleClickAt(ex, ey, state);
}

void IGraphics::PointerWheel(int x, int y, const IMouseState& state, int wheelDelta)
{
  const int ex = ToEditorPixels(x);
  const int ey = ToEditorPixels(y);
  if (IControl* target = GetControl(PointerTarget(ex, ey)))
    target->WheelAt(ex, ey, state, wheelDelta / kWheelUnitsPerNotch);
}

bool IGraphics::KeyDown(int x, int y, int key)
{
  const int ex = ToEditorPixels(x);
  const int ey = ToEditorPixels(y);
  const int target = PointerTarget(ex, ey);
  // The background never takes keys.
  if (target <= 0)
    return false;
  return GetControl(target)->KeyAt(ex, ey, key);
}
