#include "FontFixture.h"

#include <gtest/gtest.h>

namespace
{
LICE_FontRequest Request(const char* face, int height)
{
  LICE_FontRequest request;
  request.faceName = face;
  request.height = height;
  return request;
}

// Pixels of `target` left dark by the text, per column.
int RightmostInkInRow(LICE_IBitmap& target, int row)
{
  for (int x = target.Width() - 1; x >= 0; --x)
    if (LICE_GetR(PixelAt(target, x, row)) < 128)
      return x;
  return -1;
}
} // namespace

TEST(PlatformFont, OnlyTheEmbeddedFaceUprightAtAPositiveHeight)
{
  EXPECT_NE(LICE_PlatformFont::Create(Request("Arial", 12)), nullptr);
  EXPECT_NE(LICE_PlatformFont::Create(Request("ARIAL", 12)), nullptr) << "face names ignore case";
  EXPECT_EQ(LICE_PlatformFont::Create(Request("Times New Roman", 12)), nullptr);
  EXPECT_EQ(LICE_PlatformFont::Create(Request("", 12)), nullptr);
  EXPECT_EQ(LICE_PlatformFont::Create(Request(nullptr, 12)), nullptr);
  EXPECT_EQ(LICE_PlatformFont::Create(Request("Arial", 0)), nullptr);
  EXPECT_EQ(LICE_PlatformFont::Create(Request("Arial", -12)), nullptr);
  LICE_FontRequest rotated = Request("Arial", 12);
  rotated.orientation = 900;
  EXPECT_EQ(LICE_PlatformFont::Create(rotated), nullptr);
}

TEST(PlatformFont, NoNativeStringsOnThisPlatform)
{
  auto font = LICE_PlatformFont::Create(Request("Arial", 12));
  IRectI rect{0, 0, 100, 20};
  EXPECT_FALSE(font->DrawStringNative(nullptr, "A", -1, rect, 0, {}, true).has_value());
}

TEST(PlatformFont, SynthesisedBoldIsWiderAndItalicLeansRight)
{
  LICE_FontRequest bold = Request("Arial", 30);
  bold.weight = 700;
  LICE_FontRequest italic = Request("Arial", 30);
  italic.italic = true;
  auto regularFont = LICE_PlatformFont::Create(Request("Arial", 30));
  auto boldFont = LICE_PlatformFont::Create(bold);
  auto italicFont = LICE_PlatformFont::Create(italic);
  EXPECT_GT(boldFont->MeasureGlyph('H').width, regularFont->MeasureGlyph('H').width);
  EXPECT_EQ(italicFont->MeasureGlyph('l').width, regularFont->MeasureGlyph('l').width);

  auto upright = MakeFilled(60, 40, 0);
  auto leaning = MakeFilled(60, 40, 0);
  regularFont->DrawGlyph('l', *upright, 10, 0);
  italicFont->DrawGlyph('l', *leaning, 10, 0);
  // Ink is drawn white: compare the top of the stem.
  const auto rightmost = [](LICE_IBitmap& canvas, int row) {
    for (int x = canvas.Width() - 1; x >= 0; --x)
      if (LICE_GetR(PixelAt(canvas, x, row)) > 128)
        return x;
    return -1;
  };
  EXPECT_GT(rightmost(*leaning, 6), rightmost(*upright, 6) + 2);
}

TEST(PlatformFont, NonAntialiasedQualityDrawsFullCoverageOnly)
{
  LICE_FontRequest request = Request("Arial", 20);
  request.quality = 1;
  auto font = LICE_PlatformFont::Create(request);
  auto canvas = MakeFilled(60, 40, 0);
  font->DrawGlyph('O', *canvas, 5, 0);
  int inked = 0;
  for (int y = 0; y < 40; ++y)
  {
    for (int x = 0; x < 60; ++x)
    {
      const int red = LICE_GetR(PixelAt(*canvas, x, y));
      EXPECT_TRUE(red == 0 || red == 255) << red;
      inked += red == 255 ? 1 : 0;
    }
  }
  EXPECT_GT(inked, 20);

  auto text = MakeFilled(60, 40, 0xFFFFFFFF);
  LICE_CachedFont cached;
  cached.AttachNativeFont(LICE_PlatformFont::Create(request).release(), FontOwnsNative);
  cached.SetForeground(0xFF000000);
  IRectI rect{0, 0, 60, 40};
  cached.DrawString(text.get(), "I", -1, rect, 0);
  EXPECT_GE(RightmostInkInRow(*text, 10), 0);
}
