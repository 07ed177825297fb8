#include "core/IPlugBase.h"
#include "graphics/BitmapDescriptorList.h"
#include "graphics/FontCache.h"
#include "graphics/IControl.h"
#include "graphics/IGraphics.h"
#include "graphics/RasterCache.h"
#include "graphics/WindowRects.h"
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

bool UsableScale(double scale) { return scale > 0.0 && std::isfinite(scale); }

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
  mSurfaceRegion = mDrawScale == 1.0 ? region : WindowRectFor(region, mDrawScale);
  for (const auto& control : mControls)
  {
    if (!control->IsHidden() && MeetsDrawRegion(control->DrawRect()))
      control->Render(*this);
    control->MarkClean();
  }
  return PresentRegion(region);
}

// At a fractional scale a window pixel can straddle two editor pixels: a
// control whose edge ends inside a pixel of the region has a share in it.
bool IGraphics::MeetsDrawRegion(const IRectI& rect) const
{
  if (mDrawScale == 1.0)
    return Meets(mDrawRegion, rect);
  return Meets(mSurfaceRegion, WindowRectFor(rect, mDrawScale));
}

void IGraphics::AddDoubleScalePicture(int resourceId, int doubleId, const char* doublePath)
{
  if (const LICE_IBitmap* single = RasterCache().Find(resourceId))
    mDoubleScalePictures.push_back({single, doubleId, doublePath != nullptr ? doublePath : ""});
}

LICE_IBitmap* IGraphics::DoubleScaleOf(const LICE_IBitmap* single)
{
  for (DoubleScalePicture& picture : mDoubleScalePictures)
  {
    if (picture.single != single)
      continue;
    if (!picture.looked)
    {
      picture.looked = true;
      LICE_IBitmap* raster = RasterCache().Find(picture.id);
      if (raster == nullptr)
      {
        if (std::unique_ptr<LICE_IBitmap> loaded = LoadPngResource(picture.id, picture.path.c_str()))
          raster = RasterCache().Append(picture.id, std::move(loaded));
      }
      if (raster != nullptr && raster->Width() == 2 * single->Width() && raster->Height() == 2 * single->Height())
        picture.raster = raster;
    }
    return picture.raster;
  }
  return nullptr;
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
  const double drawScale = UsableScale(scale) ? scale : 1.0;
  if (drawScale != mDrawScale)
    mResampledTiles.Clear();
  mDrawScale = drawScale;
  mDrawingSurface = std::make_unique<LICE_SysBitmap>();
  mDrawingSurface->SetSize(ScaledSize(mWidth, drawScale), ScaledSize(mHeight, drawScale));
  // The plug-in's canvas draws into the surface's pixels: it must let go
  // of the old ones before anything draws again.
  if (IPlugCanvas* canvas = mPlug.GetCanvas())
    canvas->BindCanvas(*this);
}

LICE_IBitmap* IGraphics::DrawingSurface() { return mDrawingSurface.get(); }

bool IGraphics::DrawFrameBitmap(const IFrameBitmap& bitmap, const IRectI& dest, int sourceX, int sourceY,
                                const IBlendSetting* blend)
{
  if (mDrawScale != 1.0)
    return DrawScaledFrameBitmap(bitmap, dest, sourceX, sourceY, blend != nullptr ? *blend : IBlendSetting{});
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

// The part of the picture the destination shows (editor pixels) lands on
// the window pixels the destination covers. Each window pixel shows the
// picture at its centre: taken from the 2x drawing where there is one (at
// scale 2 pixel for pixel), otherwise resampled from the nearer drawing.
bool IGraphics::DrawScaledFrameBitmap(const IFrameBitmap& bitmap, const IRectI& dest, int sourceX, int sourceY,
                                      const IBlendSetting& blend)
{
  if (bitmap.raster == nullptr || dest.IsEmpty() || !MeetsDrawRegion(dest))
    return true;
  LICE_IBitmap* doubled = mDrawScale > 1.0 ? DoubleScaleOf(bitmap.raster) : nullptr;
  LICE_IBitmap& source = doubled != nullptr ? *doubled : *bitmap.raster;
  const int factor = doubled != nullptr ? 2 : 1;

  const IRectI shown = WindowRectFor(dest, mDrawScale);
  const IRectI area{sourceX * factor, sourceY * factor, (sourceX + dest.Width()) * factor,
                    (sourceY + dest.Height()) * factor};
  const LICE_SampleGrid grid{(shown.left / mDrawScale - dest.left + sourceX) * factor,
                             (shown.top / mDrawScale - dest.top + sourceY) * factor, factor / mDrawScale};

  const IRectI drawn{std::max(shown.left, mSurfaceRegion.left), std::max(shown.top, mSurfaceRegion.top),
                     std::min(shown.right, mSurfaceRegion.right), std::min(shown.bottom, mSurfaceRegion.bottom)};
  if (drawn.Width() <= 0 || drawn.Height() <= 0)
    return true;
  const bool pixelForPixel = grid.step == 1.0 && grid.originX == std::floor(grid.originX) &&
                             grid.originY == std::floor(grid.originY);
  if (pixelForPixel)
  {
    const int x = static_cast<int>(grid.originX) + (drawn.left - shown.left);
    const int y = static_cast<int>(grid.originY) + (drawn.top - shown.top);
    const IRectI from{x, y, x + drawn.Width(), y + drawn.Height()};
    LICE_Composite(mDrawingSurface.get(), &source, drawn.left, drawn.top, &from, blend.weight, blend.CompositeMode());
    return true;
  }
  LICE_MemBitmap& tile = mResampledTiles.Tile(source, area, grid, shown.Width(), shown.Height());
  const IRectI from{drawn.left - shown.left, drawn.top - shown.top, drawn.right - shown.left,
                    drawn.bottom - shown.top};
  LICE_Composite(mDrawingSurface.get(), &tile, drawn.left, drawn.top, &from, blend.weight, blend.CompositeMode());
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

  if (!measureOnly && mDrawScale != 1.0)
  {
    // The same text at the window's size, in the window pixels the
    // rectangle covers; measuring stays in editor pixels.
    ITextStyle scaled = style;
    scaled.size = std::max(1, static_cast<int>(std::lround(style.size * mDrawScale)));
    scaled.cachedFont = nullptr;
    LICE_CachedFont* scaledFont = FindOrCreateFont(scaled);
    if (scaledFont == nullptr)
      return false;
    scaledFont->SetForeground(style.colour.Packed());
    IRectI area = WindowRectFor(rect, mDrawScale);
    scaledFont->DrawString(mDrawingSurface.get(), text, -1, area, flags);
    return true;
  }
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
