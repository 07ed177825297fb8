#include "raster/LICE_CachedFont.h"
#include "raster/LICE_TextFlags.h"
#include "raster/Utf8Reader.h"

#include <algorithm>

namespace
{
constexpr int kCarriageReturn = 13;
constexpr int kLineFeed = 10;
constexpr int kSpace = 32;

enum class Step
{
  Skip,
  NewLine,
  Glyph,
};

// What a decoded code does to the layout: carriage returns vanish, line
// feeds break the line unless the text is one line.
Step StepFor(int& code, int textFlags)
{
  if (code == kCarriageReturn)
    return Step::Skip;
  if (code == kLineFeed)
  {
    if ((textFlags & TextOneLine) == 0)
      return Step::NewLine;
    code = kSpace;
  }
  return Step::Glyph;
}
} // namespace

template <typename Visit>
void LICE_CachedFont::LayOut(const char* text, int length, int textFlags, int x, int y, Visit visit)
{
  const int lineStart = x;
  Utf8Reader reader(text, length);
  for (int code = 0; reader.Next(code);)
  {
    const Step step = StepFor(code, textFlags);
    if (step == Step::NewLine)
    {
      x = lineStart;
      y += lineHeight_;
    }
    if (step != Step::Glyph)
      continue;
    const GlyphRecord* glyph = RenderGlyph(code);
    if (glyph == nullptr || !glyph->HasInk())
      continue;
    visit(*glyph, x, y);
    x += glyph->advance;
  }
}

LICE_CachedFont::Extent LICE_CachedFont::Measure(const char* text, int length, int textFlags)
{
  Extent extent;
  LayOut(text, length, textFlags, 0, 0, [&extent](const GlyphRecord& glyph, int x, int lineTop) {
    extent.width = std::max({extent.width, x + glyph.advance, x + glyph.maskWidth - glyph.leftOffset});
    extent.height = std::max(extent.height, lineTop + glyph.maskHeight);
  });
  return extent;
}

int LICE_CachedFont::DrawCached(LICE_IBitmap* target, const char* text, int length, const IRectI& rect, int textFlags)
{
  if (target == nullptr || target->PixelData() == nullptr)
    return 0;
  float alpha = combineAlpha_;
  if ((textFlags & TextUseForegroundAlpha) != 0)
    alpha *= static_cast<float>(LICE_GetA(textColour_)) / 255.0f;
  if (alpha == 0.0f)
    return 0;
  const int weight = static_cast<int>(std::clamp(alpha, 0.0f, 1.0f) * static_cast<float>(kFullWeight));

  int x = rect.left;
  int y = rect.top;
  if ((textFlags & (TextCentre | TextRight | TextMiddle | TextBottom)) != 0)
  {
    const Extent extent = Measure(text, length, textFlags & TextOneLine);
    if ((textFlags & TextCentre) != 0)
      x = rect.left + (rect.right - extent.width - rect.left) / 2;
    else if ((textFlags & TextRight) != 0)
      x = rect.right - extent.width;
    if ((textFlags & TextMiddle) != 0)
      y = rect.top + (rect.bottom - extent.height - rect.top) / 2;
    else if ((textFlags & TextBottom) != 0)
      y = rect.bottom - extent.height;
  }

  const IRectI clip = (textFlags & TextNoClip) != 0 ? IRectI{0, 0, target->Width(), target->Height()}
                                                   : rect.ClippedTo(target->Width(), target->Height());
  if (clip.right <= clip.left || clip.bottom <= clip.top)
    return 0;

  int lowest = y;
  LayOut(text, length, textFlags, x, y, [&](const GlyphRecord& glyph, int penX, int penY) {
    if (BlendGlyph(target, glyph, penX, penY, clip, weight))
      lowest = std::max(lowest, penY + glyph.maskHeight);
  });
  return lowest - y;
}
