#pragma once

#include "graphics/IKnobMultiControl.h"

#include <string>

// Where a knob prints its value, relative to the knob picture.
enum KnobTextPlacement : int
{
  KnobTextBelow = 0,
  KnobTextAbove = 1,
  KnobTextInside = 2,
  KnobTextLeft = 3,
  KnobTextRight = 4,
  KnobTextBottomRight = 5,
};

// A film-strip knob that prints its parameter's value, optionally with the
// unit. Pressing the printed value asks for a new one; pressing the knob
// starts a drag.
class IKnobMultiControlText : public IKnobMultiControl
{
public:
  // The text is style.size + 4 pixels high, moved by `textOffset` pixels.
  IKnobMultiControlText(IPlugBase& plug, int x, int y, int paramIdx, const IFrameBitmap& bitmap,
                        const ITextStyle& style, bool showLabel, int textPlacement, int textOffset);

  void PressAt(int x, int y, const IMouseState& state) override;
  bool Render(IGraphics& graphics) override;
  void MoveTo(int x, int y) override;

  const IRectI& TextRect() const { return mTextRect; }
  const IRectI& KnobRect() const { return mKnobRect; }
  const std::string& ValueText() const { return mValueText; }

private:
  IRectI mTextRect;
  IRectI mKnobRect;
  std::string mValueText;
  bool mShowLabel;
};
