#include "graphics/IBitmapControl.h"

#include "graphics/FrameChoice.h"
#include "graphics/IGraphics.h"

namespace
{
IRectI FrameRectAt(int x, int y, const IFrameBitmap& bitmap)
{
  return {x, y, x + bitmap.FrameWidth(), y + bitmap.FrameHeight()};
}
} // namespace

IBitmapControl::IBitmapControl(IPlugBase& plug, int x, int y, int paramIdx, const IFrameBitmap& bitmap, int blendKind)
  : IControl(plug, FrameRectAt(x, y, bitmap), paramIdx, IBlendSetting{blendKind, 1.0f}), mBitmap(bitmap)
{
}

IBitmapControl::IBitmapControl(IPlugBase& plug, int x, int y, const IFrameBitmap& bitmap, int blendKind)
  : IBitmapControl(plug, x, y, -1, bitmap, blendKind)
{
}

bool IBitmapControl::Render(IGraphics& graphics)
{
  const FrameChoice choice = ChooseFrame(mBitmap, Value());
  return graphics.DrawFrameBitmap(mBitmap, mDrawRect, choice.sourceX, choice.sourceY, &mBlend);
}
