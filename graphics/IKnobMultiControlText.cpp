#include "graphics/IKnobMultiControlText.h"

#include "core/IPlugBase.h"
#include "graphics/CentredRect.h"
#include "graphics/IGraphics.h"

namespace
{
constexpr int kTextGap = 4;

IRectI TextRectFor(const IRectI& knob, int placement, int offset, int textHeight)
{
  const int inside = knob.top + knob.Height() / 2 - textHeight / 2 + offset + 2;
  switch (placement)
  {
  case KnobTextBelow:
    return {knob.left, knob.bottom + kTextGap + offset, knob.right, knob.bottom + kTextGap + offset + textHeight};
  case KnobTextAbove:
    return {knob.left, knob.top - textHeight - kTextGap, knob.right, knob.top};
  case KnobTextInside:
    return {knob.left, inside, knob.right, inside + textHeight};
  case KnobTextLeft:
    return {2 * knob.left - knob.right, inside, knob.left, inside + textHeight};
  case KnobTextRight:
    return {knob.right, inside, 2 * knob.right - knob.left, inside + textHeight};
  case KnobTextBottomRight:
    return {knob.left + knob.Width() / 2, knob.bottom - textHeight, knob.right, knob.bottom};
  default:
    return {};
  }
}
} // namespace

IKnobMultiControlText::IKnobMultiControlText(IPlugBase& plug, int x, int y, int paramIdx, const IFrameBitmap& bitmap,
                                             const ITextStyle& style, bool showLabel, int textPlacement,
                                             int textOffset)
  : IKnobMultiControl(plug, x, y, paramIdx, bitmap, BlendSourceAlpha), mShowLabel(showLabel)
{
  mTextStyle = style;
  mPromptDisabled = false;
  mKnobRect = mDrawRect;
  mTextRect = TextRectFor(mKnobRect, textPlacement, textOffset, style.size + kTextGap);
  // The printed value is part of what the control draws: a change must
  // repaint the text's background too, so the text lies inside the draw
  // rectangle (which is also where the pointer hits the control).
  if (!mTextRect.IsEmpty())
    mDrawRect = mKnobRect.Union(mTextRect);
  mTargetRect = mDrawRect;
}

void IKnobMultiControlText::MoveTo(int x, int y)
{
  const int dx = x - mDrawRect.left;
  const int dy = y - mDrawRect.top;
  IControl::MoveTo(x, y);
  mKnobRect = {mKnobRect.left + dx, mKnobRect.top + dy, mKnobRect.right + dx, mKnobRect.bottom + dy};
  if (!mTextRect.IsEmpty())
    mTextRect = {mTextRect.left + dx, mTextRect.top + dy, mTextRect.right + dx, mTextRect.bottom + dy};
}

void IKnobMultiControlText::PressAt(int x, int y, const IMouseState& state)
{
  if (mTextRect.Contains(x, y))
    PromptForValueOver(SameCentreRect(mTextRect));
  else
    DragTo(x, y, 0, 0, state);
}

bool IKnobMultiControlText::Render(IGraphics& graphics)
{
  DrawFrame(graphics, mKnobRect);
  const IPlugParam* param = mPlug.GetParam(mParamIdx);
  if (param == nullptr)
    return true;

  char text[IPlugParam::kTextLength];
  param->FormatValue(param->Value(), false, text, true);
  mValueText = text;
  if (mShowLabel)
  {
    mValueText += ' ';
    mValueText += param->UnitLabel();
  }
  if (mValueText.empty())
    return true;

  graphics.DrawStyledText(mTextStyle, mValueText.c_str(), mTextRect, true);
  mTextRect.bottom = mTextRect.top + kTextGap + mTextStyle.size;
  return graphics.DrawStyledText(mTextStyle, mValueText.c_str(), mTextRect, false);
}
