#include "core/IPlugBase.h"
#include "graphics/BitmapDescriptorList.h"
#include "graphics/FontCache.h"
#include "graphics/IControl.h"
#include "graphics/IGraphics.h"
#include "graphics/RasterCache.h"
#include "raster/LICE_CachedFont.h"
#include "raster/LICE_Composite.h"
#include "raster/LICE_PlatformFont.h"
#include "raster/LICE_SysBitmap.h"
#include "raster/LICE_TextFlags.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <utility>

namespace
{
constexpr int kOpaque = 255;
constexpr int kBoldWeight = 700;
constexpr int kNormalWeight = 400;

// Whether `a` reaches into `b`; a's right or bottom edge lying on b's left
// or top edge counts.
bool Meets(const IRectI& a, const IRectI& b)
{
  return !a.IsEmpty() && !b.IsEmpty() && a.right >= b.left && a.left < b.right && a.bottom >= b.top &&
         a.top < b.bottom;
}

// The part of `dest` inside `region`; all zero when dest does not meet it.
IRectI ClipToRegion(const IRectI& dest, const IRectI& region)
{
  if (!Meets(dest, region))
    return {};
  return {std::max(dest.left, region.left), std::max(dest.top, region.top), std::min(dest.right, region.right),
          std::min(dest.bottom, region.bottom)};
}

int TextFlagsFor(const ITextStyle& style)
{
  int flags = TextOneLine | TextMiddle | TextNoClip;
  if (style.colour.A < kOpaque)
    flags |= TextUseForegroundAlpha;
  if (style.alignment == TextAlignCentre)
    flags |= TextCentre;
  else if (style.alignment != TextAlignLeft)
    flags |= TextRight;
  if (style.verticalPlacement == 1)
    flags |= TextBottom;
  return flags;
}
} // namespace

bool IGraphics::CollectDirtyRegion(IRectI& region)
{
  mPlug.EditorTimerTick();
  bool dirty = false;
  for (const auto& control : mControls)
  {
    if (!control->NeedsRedraw())
      continue;
    dirty = true;
    const IRectI& rect = control->DrawRect();
    if (region.IsEmpty())
      region = rect;
    else if (!rect.IsEmpty())
      region = region.Union(rect);
  }
  if (dirty)
  {
    mIdleCounter = 0;
    return true;
  }
  if (++mIdleCounter > 1)
  {
    mPlug.EditorIdleHook();
    for (const auto& control : mControls)
      control->IdleTick();
    mIdleCounter = 0;
  }
  return false;
}

bool IGraphics::DrawRegion(const IRectI& region)
{
  if (mControls.empty())
    return true;
  mDrawRegion = region;
  for (const auto& control : mControls)
  {
    if (!control->IsHidden() && Meets(region, control->DrawRect()))
      control->Render(*this);
    control->MarkClean();
  }
  return PresentRegion(region);
}

const IFrameBitmap& IGraphics::LoadFrameBitmap(int resourceId, const char* path, int frameCount, bool framesSideBySide)
{
  LICE_IBitmap* raster = RasterCache().Find(resourceId);
  if (raster == nullptr)
  {
    if (std::unique_ptr<LICE_IBitmap> loaded = LoadPngResource(resourceId, path))
      raster = RasterCache().Append(resourceId, std::move(loaded));
  }
  // A picture that cannot be loaded is described as an empty one, so the
  // controls showing it draw nothing and are never hit.
  if (raster == nullptr)
    raster = EmptyRaster();
  const IFrameBitmap bitmap{raster, raster->Width(), raster->Height(), std::max(frameCount, 1), framesSideBySide};
  return BitmapDescriptorList::Append(bitmap);
}

void IGraphics::CreateDrawingSurfaces()
{
  const double scale = GetDisplayScale();
  mDrawingSurface = std::make_unique<LICE_SysBitmap>();
  mDrawingSurface->SetSize(static_cast<int>(std::trunc(scale * mWidth)), static_cast<int>(std::trunc(scale * mHeight)));
  // The plug-in's canvas draws into the surface's pixels: it must let go
  // of the old ones before anything draws again.
  if (IPlugCanvas* canvas = mPlug.GetCanvas())
    canvas->BindCanvas(*this);
}

LICE_IBitmap* IGraphics::DrawingSurface() { return mDrawingSurface.get(); }

bool IGraphics::DrawFrameBitmap(const IFrameBitmap& bitmap, const IRectI& dest, int sourceX, int sourceY,
                                const IBlendSetting* blend)
{
  const IRectI clipped = ClipToRegion(dest, mDrawRegion);
  if (clipped.Width() <= 0 || clipped.Height() <= 0)
    return true;
  const int x = sourceX + (clipped.left - dest.left);
  const int y = sourceY + (clipped.top - dest.top);
  const IRectI source{x, y, x + clipped.Width(), y + clipped.Height()};
  const IBlendSetting setting = blend != nullptr ? *blend : IBlendSetting{};
  LICE_Composite(mDrawingSurface.get(), bitmap.raster, clipped.left, clipped.top, &source, setting.weight,
                 setting.CompositeMode());
  return true;
}

bool IGraphics::DrawStyledText(ITextStyle& style, const char* text, IRectI& rect, bool measureOnly)
{
  if (text == nullptr || *text == '\0')
    return true;
  LICE_CachedFont* font = style.cachedFont != nullptr ? style.cachedFont : FindOrCreateFont(style);
  if (font == nullptr)
    return false;
  font->SetForeground(style.colour.Packed());
  const int flags = TextFlagsFor(style);

  if (!measureOnly)
  {
    IRectI area = rect;
    font->DrawString(mDrawingSurface.get(), text, -1, area, flags);
    return true;
  }

  IRectI extent;
  font->DrawString(nullptr, text, -1, extent, flags | TextMeasure);
  const int width = extent.right;
  rect.bottom = rect.top + extent.bottom;
  if (style.alignment == TextAlignLeft)
  {
    rect.right = rect.left + width;
  }
  else if (style.alignment == TextAlignCentre)
  {
    rect.left = static_cast<int>(static_cast<float>(rect.left + rect.right) * 0.5f) - width / 2;
    rect.right = rect.left + width;
  }
  else
  {
    rect.left = rect.right - width;
  }
  return true;
}

LICE_CachedFont* IGraphics::FindOrCreateFont(ITextStyle& style)
{
  const FontCacheKey key{style.size, style.orientation, style.style,
                         std::string(style.fontName, strnlen(style.fontName, sizeof style.fontName))};
  if (LICE_CachedFont* cached = FontCache().Find(key))
  {
    style.cachedFont = cached;
    return cached;
  }

  LICE_FontRequest request;
  request.faceName = style.fontName;
  request.height = style.size;
  request.orientation = style.orientation * 10;
  request.weight = style.style == TextStyleBold ? kBoldWeight : kNormalWeight;
  request.italic = style.style == TextStyleItalic;
  request.quality = style.quality;
  std::unique_ptr<LICE_PlatformFont> platformFont = LICE_PlatformFont::Create(request);
  if (platformFont == nullptr)
    return nullptr;
  auto font = std::make_unique<LICE_CachedFont>();
  font->AttachNativeFont(platformFont.release(), FontOwnsNative | FontPreferNative);
  style.cachedFont = FontCache().Append(key, std::move(font));
  return style.cachedFont;
}
