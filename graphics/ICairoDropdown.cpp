#include "graphics/ICairoDropdown.h"

#include "core/IPlugBase.h"
#include "raster/CairoTextPlacement.h"
#include "raster/ModuleResource.h"

ICairoDropdown::ICairoDropdown(IPlugBase& plug, const IRectI& drawRect, int paramIdx, const IColorRGBA& textColour)
  : IControl(plug, drawRect, paramIdx, IBlendSetting{BlendSourceAlpha, 1.0f}),
    ycairo_gui(plug, mDrawRect),
    mTextColour(textColour)
{
  mPromptDisabled = false;
  LoadFontResource(kFontResourceId, kResourceTypeRawData);
}

void ICairoDropdown::PressAt(int, int, const IMouseState& state)
{
  if (state.left || state.right)
    PromptForValue();
}

void ICairoDropdown::DoubleClickAt(int, int, const IMouseState&) { PromptForValue(); }

bool ICairoDropdown::Render(IGraphics&)
{
  mShownText.clear();
  if (const IPlugParam* param = mPlug.GetParam(mParamIdx))
  {
    char text[IPlugParam::kTextLength];
    param->FormatValue(param->Value(), false, text, true);
    mShownText = text;
    mShownText += param->UnitLabel();
  }

  cairo_t* context = BeginCairoClip();
  if (context == nullptr)
    return true;
  ShowTextInRect(context, mShownText.c_str(), mDrawRect.Height() * 0.5, mTextColour.Packed(), mDrawRect,
                 CairoHAlignCentre, CairoVAlignMiddle);
  EndCairoClip();
  return true;
}
