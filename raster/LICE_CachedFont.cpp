#include "raster/LICE_CachedFont.h"

#include "raster/GlyphCanvas.h"
#include "raster/LICE_PlatformFont.h"
#include "raster/LICE_TextFlags.h"

namespace
{
// At this cell height and above strings go to the platform whatever the flags.
constexpr int kNativeOnlyLineHeight = 256;
} // namespace

LICE_CachedFont::LICE_CachedFont()
{
  const std::lock_guard<std::mutex> guard(GlyphCanvas::Lock());
  GlyphCanvas::FontCreated();
}

LICE_CachedFont::~LICE_CachedFont()
{
  const std::lock_guard<std::mutex> guard(GlyphCanvas::Lock());
  ReleasePlatformFont();
  GlyphCanvas::FontDestroyed();
}

void LICE_CachedFont::ReleasePlatformFont()
{
  if ((fontFlags_ & FontOwnsNative) != 0)
    delete platformFont_;
  platformFont_ = nullptr;
}

void LICE_CachedFont::AttachNativeFont(LICE_PlatformFont* font, int fontFlags)
{
  const std::lock_guard<std::mutex> guard(GlyphCanvas::Lock());
  if (font != platformFont_)
    ReleasePlatformFont();
  fontFlags_ = fontFlags;
  platformFont_ = font;
  if (font != nullptr)
  {
    GlyphCanvas::Acquire(GlyphCanvas::kMinimumSide);
    lineHeight_ = font->LineHeight();
  }
  ForgetGlyphs();
  if (font != nullptr && (fontFlags & FontPrecacheAscii) != 0)
  {
    for (int code = 0; code < 128; ++code)
      RenderGlyph(code);
  }
}

void LICE_CachedFont::ForgetGlyphs()
{
  asciiGlyphs_.fill(GlyphRecord{});
  extendedGlyphs_.clear();
  store_.Clear();
}

LICE_pixel LICE_CachedFont::SetForeground(LICE_pixel colour)
{
  const LICE_pixel previous = textColour_;
  textColour_ = colour;
  return previous;
}

LICE_pixel LICE_CachedFont::SetBackground(LICE_pixel colour)
{
  const LICE_pixel previous = backgroundColour_;
  backgroundColour_ = colour;
  return previous;
}

LICE_pixel LICE_CachedFont::SetEffectColour(LICE_pixel colour)
{
  const LICE_pixel previous = effectColour_;
  effectColour_ = colour;
  return previous;
}

int LICE_CachedFont::SetBackgroundMode(int mode)
{
  const int previous = backgroundMode_;
  backgroundMode_ = mode;
  return previous;
}

void LICE_CachedFont::SetCombine(int compositeMode, float alpha)
{
  combineMode_ = compositeMode;
  combineAlpha_ = alpha;
}

bool LICE_CachedFont::WantsNativePath(int textFlags) const
{
  if (platformFont_ == nullptr)
    return false;
  if (lineHeight_ >= kNativeOnlyLineHeight)
    return true;
  return (fontFlags_ & FontPreferNative) != 0 && (textFlags & TextNoNative) == 0 &&
         (textFlags & TextUseForegroundAlpha) == 0 && (fontFlags_ & kFontFlagsBlockingNative) == 0;
}

int LICE_CachedFont::DrawString(LICE_IBitmap* target, const char* text, int length, IRectI& rect, int textFlags)
{
  const std::lock_guard<std::mutex> guard(GlyphCanvas::Lock());
  if (WantsNativePath(textFlags))
  {
    const LICE_NativeTextColours colours{textColour_, backgroundColour_, backgroundMode_};
    const bool forced = lineHeight_ >= kNativeOnlyLineHeight;
    if (const std::optional<int> drawn =
          platformFont_->DrawStringNative(target, text, length, rect, textFlags & ~TextNoNative, colours, forced))
      return *drawn;
  }
  textFlags &= ~TextNoNative;

  if ((textFlags & TextMeasure) != 0)
  {
    const Extent extent = Measure(text, length, textFlags);
    rect.right = rect.left + extent.width;
    rect.bottom = rect.top + extent.height;
    return extent.height;
  }
  return DrawCached(target, text, length, rect, textFlags);
}

std::optional<GlyphRecord> LICE_CachedFont::Glyph(int code)
{
  const std::lock_guard<std::mutex> guard(GlyphCanvas::Lock());
  const GlyphRecord* record = RenderGlyph(code);
  if (record == nullptr)
    return std::nullopt;
  return *record;
}
