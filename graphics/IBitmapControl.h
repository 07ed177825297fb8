#pragma once

#include "graphics/IControl.h"
#include "graphics/IFrameBitmap.h"

// Shows the frame of a film strip that its value selects.
class IBitmapControl : public IControl
{
public:
  IBitmapControl(IPlugBase& plug, int x, int y, int paramIdx, const IFrameBitmap& bitmap,
                 int blendKind = BlendSourceAlpha);
  IBitmapControl(IPlugBase& plug, int x, int y, const IFrameBitmap& bitmap, int blendKind = BlendSourceAlpha);

  bool Render(IGraphics& graphics) override;

protected:
  const IFrameBitmap& mBitmap;
};
