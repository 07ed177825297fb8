#include "graphics/IGraphics.h"

#include "core/IPlugBase.h"
#include "graphics/IBitmapControl.h"
#include "graphics/IControl.h"
#include "raster/LICE_SysBitmap.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <utility>

namespace
{
int TruncatedToInt(double value)
{
  if (!std::isfinite(value))
    return 0;
  return static_cast<int>(std::fmax(std::fmin(value, 2147483647.0), -2147483648.0));
}

bool OffersMenu(const IPlugParam& param)
{
  return param.Kind() == KindEnum || (param.Kind() == KindBool && param.DisplayTextCount() > 0);
}
} // namespace

IGraphics::IGraphics(IPlugBase& plug, int width, int height, int frameRate)
  : mPlug(plug), mWidth(width), mHeight(height), mFrameRate(frameRate > 0 ? frameRate : kDefaultFrameRate)
{
}

IGraphics::~IGraphics()
{
  while (!mControls.empty())
    mControls.pop_back();
}

bool IGraphics::MeasureText(ITextStyle& style, const char* text, IRectI& rect)
{
  return DrawStyledText(style, text, rect, true);
}

void IGraphics::Resize(int width, int height)
{
  mWidth = width;
  mHeight = height;
  CreateDrawingSurfaces();
  mPlug.ResizeEditorWindow(width, height);
}

bool IGraphics::IsWindowOpen() { return GetWindowHandle() != nullptr; }

bool IGraphics::SetHostScaleFactor(double factor)
{
  if (!mScaleChoice.TakeHostFactor(factor))
    return false;
  // Before the plug-in binds the editor there is nothing drawn yet; binding
  // makes the surface at the scale in force. A factor equal to the scale
  // drawn at changes nothing: a host repeating itself is no reason to repaint.
  if (DrawingSurface() == nullptr || GetDisplayScale() == mDrawScale)
    return true;
  CreateDrawingSurfaces();
  MarkAllControlsDirty();
  DisplayScaleChanged();
  return true;
}

const char* IGraphics::GetDrawingApiName() { return ""; }

int IGraphics::AddControl(std::unique_ptr<IControl> control)
{
  const int index = NControls();
  control->AttachTo(*this, index);
  mControls.push_back(std::move(control));
  return index;
}

void IGraphics::AddBackground(int resourceId, const char* path)
{
  const IFrameBitmap& bitmap = LoadFrameBitmap(resourceId, path, 1, false);
  mControls.insert(mControls.begin(), std::make_unique<IBitmapControl>(mPlug, 0, 0, bitmap, BlendCopy));
  // Every control moved up one place.
  for (int i = 0; i < NControls(); ++i)
    mControls[static_cast<std::size_t>(i)]->AttachTo(*this, i);
}

IControl* IGraphics::GetControl(int index) const
{
  if (index < 0 || index >= NControls())
    return nullptr;
  return mControls[static_cast<std::size_t>(index)].get();
}

void IGraphics::TakeBoundParamValue(int paramIdx, double normalized)
{
  for (const auto& control : mControls)
  {
    if (control->ParamIdx() == paramIdx)
      control->TakePlugValue(normalized);
    const int binding = control->FirstAuxBindingFor(paramIdx);
    if (binding >= 0)
      control->TakeAuxPlugValue(binding, normalized);
  }
}

void IGraphics::ApplyParamToControls(int paramIdx, double value, bool isNormalized)
{
  if (!isNormalized)
  {
    const IPlugParam* param = mPlug.GetParam(paramIdx);
    if (param == nullptr)
      return;
    value = param->NormalizeValue(value);
  }
  for (const auto& control : mControls)
    if (control->ParamIdx() == paramIdx)
      control->TakePlugValue(value);
}

void IGraphics::MarkAllControlsDirty()
{
  for (const auto& control : mControls)
    control->MarkDirty(false);
}

void IGraphics::PromptParamInput(IControl* control, IPlugParam* param, const IRectI* rect)
{
  if (control == nullptr || param == nullptr || rect == nullptr)
    return;

  if (OffersMenu(*param))
  {
    char current[IPlugParam::kTextLength];
    param->FormatValue(param->Value(), false, current, true);
    PopupMenuRecord menu;
    const int count = param->DisplayTextCount();
    for (int i = 0; i < count; ++i)
    {
      const char* text = param->DisplayTextFor(i);
      menu.items.push_back({text, std::strcmp(text, current) == 0 ? PopupItemChecked : 0});
    }
    const PopupMenuRecord* chosen = ShowPopupMenu(menu, *rect);
    if (chosen != nullptr && chosen->chosenIndex >= 0 && chosen->chosenIndex < count)
      control->TakeUserValue(param->NormalizeValue(chosen->chosenIndex));
    return;
  }

  double value = param->Value();
  if (param->NegatedDisplay())
    value = -value;
  char text[IPlugParam::kTextLength];
  if (param->Precision() > 0)
    std::snprintf(text, sizeof text, "%.*f", param->Precision(), value);
  else
    std::snprintf(text, sizeof text, "%d", TruncatedToInt(value));
  OpenTextEntry(*control, control->TextStyle(), *rect, text, param);
}
