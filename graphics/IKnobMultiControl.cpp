#include "graphics/IKnobMultiControl.h"

#include "graphics/FrameChoice.h"
#include "graphics/IGraphics.h"

IKnobMultiControl::IKnobMultiControl(IPlugBase& plug, int x, int y, int paramIdx, const IFrameBitmap& bitmap,
                                     int blendKind)
  : IKnobControl(plug, {x, y, x + bitmap.FrameWidth(), y + bitmap.FrameHeight()}, paramIdx,
                 IBlendSetting{blendKind, 1.0f}),
    mBitmap(bitmap)
{
}

bool IKnobMultiControl::Render(IGraphics& graphics) { return DrawFrame(graphics, mDrawRect); }

bool IKnobMultiControl::DrawFrame(IGraphics& graphics, const IRectI& rect)
{
  const FrameChoice choice = ChooseFrame(mBitmap, Value());
  return graphics.DrawFrameBitmap(mBitmap, rect, choice.sourceX, choice.sourceY, &mBlend);
}
