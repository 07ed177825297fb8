#include "EditorFixture.h"
#include "tests/raster/BitmapFixture.h"
#include "raster/LICE_CachedFont.h"
#include "tests/raster/FreeTypeReference.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace
{
constexpr LICE_pixel kWhite = 0xFFFFFFFF;

// The extent of `text` on one line as FreeType lays it out: advances, and
// ink beyond them.
int FreeTypeWidth(const FreeTypeReference& reference, const std::string& text)
{
  int pen = 0;
  int right = 0;
  for (const char c : text)
  {
    const ReferenceGlyph glyph = reference.Glyph(c);
    right = std::max({right, pen + glyph.advance, pen + glyph.left + glyph.width});
    pen += glyph.advance;
  }
  return right;
}

ITextStyle Style(int alignment, const IColorRGBA& colour = kColorBlack)
{
  ITextStyle style("Arial", 15, colour);
  style.alignment = alignment;
  return style;
}

// Pixels other than white.
InkBox FindInkOnWhite(LICE_IBitmap& bitmap)
{
  return FindInk(bitmap, [](LICE_pixel pixel) { return pixel != kWhite; });
}

struct Surface : EditorFixture
{
  Surface() : EditorFixture(240, 80)
  {
    graphics->CreateDrawingSurfaces();
    Fill(*graphics->DrawingSurface(), kWhite);
  }
};
} // namespace

TEST(StyledText, MeasuringRealignsTheRectangleAroundTheText)
{
  const FreeTypeReference reference(15);
  const std::string text = "0.0 dB";
  const int width = FreeTypeWidth(reference, text);
  ASSERT_GT(width, 30);

  struct Case
  {
    int alignment;
    IRectI expected;
  };
  // From (10, 20, 201, 50): left keeps 10; centre keeps trunc(105.5) = 105
  // minus half the width; right keeps 201. The bottom is top + cell height.
  const Case cases[] = {
    {TextAlignLeft, {10, 20, 10 + width, 35}},
    {TextAlignCentre, {105 - width / 2, 20, 105 - width / 2 + width, 35}},
    {TextAlignRight, {201 - width, 20, 201, 35}},
    {7, {201 - width, 20, 201, 35}},
  };
  for (const Case& c : cases)
  {
    Surface surface;
    ITextStyle style = Style(c.alignment);
    IRectI rect{10, 20, 201, 50};
    EXPECT_TRUE(surface.graphics->MeasureText(style, text.c_str(), rect));
    EXPECT_EQ(rect, c.expected) << c.alignment;
    EXPECT_EQ(FindInkOnWhite(*surface.graphics->DrawingSurface()).right, -1) << "measuring draws nothing";
  }
}

TEST(StyledText, DrawnTextIsCentredInItsRectangleBothWays)
{
  const FreeTypeReference reference(15);
  const std::string text = "0.0 dB";
  const int width = FreeTypeWidth(reference, text);
  Surface surface;
  ITextStyle style = Style(TextAlignCentre, IColorRGBA{255, 64, 64, 64});
  const IRectI rect{24, 20, 144, 59};
  IRectI drawn = rect;
  EXPECT_TRUE(surface.graphics->DrawStyledText(style, text.c_str(), drawn, false));
  EXPECT_EQ(drawn, rect);

  // Pen at left + (right - W - left) / 2, cell top at top + (bottom - 15 - top) / 2.
  const int penX = 24 + (120 - width) / 2;
  const int cellTop = 20 + (39 - 15) / 2;
  int pen = penX;
  int inkLeft = 1 << 20;
  int inkRight = -1;
  int inkTop = 1 << 20;
  for (const char c : text)
  {
    const ReferenceGlyph glyph = reference.Glyph(c);
    if (glyph.width > 0)
    {
      inkLeft = std::min(inkLeft, pen + glyph.left);
      inkRight = std::max(inkRight, pen + glyph.left + glyph.width);
      inkTop = std::min(inkTop, cellTop + reference.Ascent() - glyph.top);
    }
    pen += glyph.advance;
  }
  const InkBox ink = FindInkOnWhite(*surface.graphics->DrawingSurface());
  EXPECT_EQ(ink.left, inkLeft);
  EXPECT_EQ(ink.right, inkRight);
  EXPECT_EQ(ink.top, inkTop);
  EXPECT_EQ(ink.bottom, cellTop + reference.Ascent()) << "no descenders: the ink ends on the baseline";
}

TEST(StyledText, TranslucentColourDrawsAtHalfWeight)
{
  Surface opaque;
  Surface translucent;
  ITextStyle solid = Style(TextAlignLeft, IColorRGBA{255, 0, 0, 0});
  ITextStyle half = Style(TextAlignLeft, IColorRGBA{128, 0, 0, 0});
  solid.size = 30;
  half.size = 30;
  IRectI rect{5, 5, 200, 60};
  opaque.graphics->DrawStyledText(solid, "IH", rect, false);
  translucent.graphics->DrawStyledText(half, "IH", rect, false);
  // Where the opaque text fully covers white (0), weight D = 128 leaves
  // 255 * (256 - 255 * 128 / 256) / 256 = 128.
  int fullyCovered = 0;
  for (int y = 0; y < 80; ++y)
  {
    for (int x = 0; x < 240; ++x)
    {
      if (PixelAt(*opaque.graphics->DrawingSurface(), x, y) != 0xFF000000)
        continue;
      ++fullyCovered;
      EXPECT_EQ(PixelAt(*translucent.graphics->DrawingSurface(), x, y), 0xFF808080) << x << "," << y;
    }
  }
  EXPECT_GT(fullyCovered, 40);
}

TEST(StyledText, FontsAreSharedByStylesDifferingOnlyInQuality)
{
  EditorFixture first;
  EditorFixture second;
  ITextStyle defaultQuality = Style(TextAlignCentre);
  ITextStyle clearType = Style(TextAlignLeft, IColorRGBA{255, 1, 2, 3});
  clearType.quality = TextQualityClearType;
  ITextStyle larger = Style(TextAlignCentre);
  larger.size = 16;
  ITextStyle italic = Style(TextAlignCentre);
  italic.style = TextStyleItalic;

  LICE_CachedFont* font = first.graphics->FindOrCreateFont(defaultQuality);
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(defaultQuality.cachedFont, font);
  EXPECT_EQ(second.graphics->FindOrCreateFont(clearType), font) << "another editor, another quality";
  EXPECT_NE(first.graphics->FindOrCreateFont(larger), font);
  EXPECT_NE(first.graphics->FindOrCreateFont(italic), font);
  EXPECT_EQ(font->LineHeight(), 15);
}

TEST(StyledText, WithoutAFontNothingIsDrawnAndNothingIsKept)
{
  Surface surface;
  ITextStyle style("Wingdings", 15, kColorBlack);
  IRectI rect{10, 10, 100, 30};
  EXPECT_FALSE(surface.graphics->DrawStyledText(style, "abc", rect, false));
  EXPECT_FALSE(surface.graphics->MeasureText(style, "abc", rect));
  EXPECT_EQ(rect, (IRectI{10, 10, 100, 30}));
  EXPECT_EQ(style.cachedFont, nullptr);
  EXPECT_TRUE(surface.graphics->DrawStyledText(style, "", rect, false)) << "empty text needs no font";
  EXPECT_TRUE(surface.graphics->DrawStyledText(style, nullptr, rect, false));
  EXPECT_EQ(FindInkOnWhite(*surface.graphics->DrawingSurface()).right, -1);
}
