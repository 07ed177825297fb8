#pragma once

#include "graphics/IFrameBitmap.h"
#include "graphics/IKnobControl.h"

// A knob drawn as the frame of a film strip that its value selects.
class IKnobMultiControl : public IKnobControl
{
public:
  IKnobMultiControl(IPlugBase& plug, int x, int y, int paramIdx, const IFrameBitmap& bitmap,
                    int blendKind = BlendSourceAlpha);

  bool Render(IGraphics& graphics) override;

protected:
  bool DrawFrame(IGraphics& graphics, const IRectI& rect);

  const IFrameBitmap& mBitmap;
};
