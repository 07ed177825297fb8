#include "FontFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace
{
constexpr LICE_pixel kWhite = 0xFFFFFFFF;

struct Extent
{
  int width;
  int height;
};

Extent Measure(LICE_CachedFont& font, const std::string& text, int flags = 0)
{
  IRectI rect{7, 3, 7, 3};
  const int height = font.DrawString(nullptr, text.c_str(), -1, rect, flags | TextMeasure);
  EXPECT_EQ(height, rect.bottom - rect.top);
  EXPECT_EQ(rect.left, 7);
  EXPECT_EQ(rect.top, 3);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

// The extent of glyphs on one line, from their records.
int LineWidth(LICE_CachedFont& font, const std::string& text)
{
  int x = 0;
  int right = 0;
  for (const char c : text)
  {
    const GlyphRecord glyph = *font.Glyph(c);
    right = std::max({right, x + glyph.advance, x + glyph.maskWidth - glyph.leftOffset});
    x += glyph.advance;
  }
  return right;
}
} // namespace

TEST(CachedFontLayout, MeasuresLinesAndLineFeeds)
{
  auto font = MakeFont(15);
  const Extent empty = Measure(*font, "");
  EXPECT_EQ(empty.width, 0);
  EXPECT_EQ(empty.height, 0);

  const Extent twoLines = Measure(*font, "A\nB");
  EXPECT_EQ(twoLines.width, std::max(LineWidth(*font, "A"), LineWidth(*font, "B")));
  EXPECT_EQ(twoLines.height, 15 + font->Glyph('B')->maskHeight);

  const Extent oneLine = Measure(*font, "A\nB", TextOneLine);
  EXPECT_EQ(oneLine.width, LineWidth(*font, "A B"));
  EXPECT_EQ(oneLine.height, 15);

  const Extent carriageReturn = Measure(*font, "A\r\nB");
  EXPECT_EQ(carriageReturn.width, twoLines.width);
  EXPECT_EQ(carriageReturn.height, twoLines.height);
  EXPECT_EQ(Measure(*font, "A\rB").width, LineWidth(*font, "AB"));
}

TEST(CachedFontLayout, MalformedAndWideCharactersMeasureAsTheirStandIns)
{
  auto font = MakeFont(15);
  const Extent fourByte = Measure(*font, "A\xF0\x9F\x98\x80" "B");
  const Extent spaced = Measure(*font, "A B");
  EXPECT_EQ(fourByte.width, spaced.width);
  EXPECT_EQ(fourByte.height, spaced.height);
  // A lone 0xE9 is the code 0xE9, as its two-byte form is.
  EXPECT_EQ(Measure(*font, "\xE9").width, Measure(*font, "\xC3\xA9").width);
  EXPECT_GT(Measure(*font, "\xE9").width, 0);
  // Byte lengths cut the text.
  IRectI rect;
  font->DrawString(nullptr, "ABCDEF", 2, rect, TextMeasure);
  EXPECT_EQ(rect.right, LineWidth(*font, "AB"));
}

TEST(CachedFontLayout, AlignmentMovesThePenByTheMeasuredExtent)
{
  // Drawing aligned in `rect` must equal drawing unaligned at the pen the
  // rules give: x = left + (right - W - left) / 2 (or right - W), y = top +
  // (bottom - H - top) / 2 (or bottom - H), divisions rounding toward zero.
  struct Case
  {
    const char* what;
    IRectI rect;
    int flags;
  };
  const Case cases[] = {
    {"centre in a wide box", {0, 0, 100, 40}, TextCentre | TextMiddle},
    {"centre in a box one pixel wider", {0, 0, 101, 41}, TextCentre | TextMiddle},
    {"centre in a box too narrow", {30, 10, 40, 14}, TextCentre | TextMiddle},
    {"right and bottom", {5, 2, 90, 38}, TextRight | TextBottom},
    {"centre wins over right", {0, 0, 100, 40}, TextCentre | TextRight},
    {"middle wins over bottom", {0, 0, 100, 40}, TextMiddle | TextBottom},
  };
  auto font = MakeFont(15);
  font->SetForeground(0xFF000000);
  const char* text = "Tape 0.0 dB";
  const Extent extent = Measure(*font, text);
  for (const Case& c : cases)
  {
    SCOPED_TRACE(c.what);
    const IRectI& r = c.rect;
    int x = r.left;
    int y = r.top;
    if ((c.flags & TextCentre) != 0)
      x = r.left + (r.right - extent.width - r.left) / 2;
    else if ((c.flags & TextRight) != 0)
      x = r.right - extent.width;
    if ((c.flags & TextMiddle) != 0)
      y = r.top + (r.bottom - extent.height - r.top) / 2;
    else if ((c.flags & TextBottom) != 0)
      y = r.bottom - extent.height;

    auto aligned = MakeFilled(140, 60, kWhite);
    IRectI alignedRect = r;
    font->DrawString(aligned.get(), text, -1, alignedRect, c.flags | TextNoClip);
    auto placed = MakeFilled(140, 60, kWhite);
    IRectI placedRect{x, y, x, y};
    font->DrawString(placed.get(), text, -1, placedRect, TextNoClip);
    EXPECT_TRUE(SamePixels(*aligned, *placed));
    EXPECT_EQ(alignedRect, r) << "drawing leaves the rectangle alone";
  }
}

TEST(CachedFontLayout, ClippedToTheRectangleUnlessToldOtherwise)
{
  auto font = MakeFont(15);
  font->SetForeground(0xFF000000);
  auto clipped = MakeFilled(80, 30, kWhite);
  IRectI rect{10, 5, 20, 12};
  font->DrawString(clipped.get(), "WWWW", -1, rect, 0);
  bool inkInside = false;
  for (int y = 0; y < 30; ++y)
  {
    for (int x = 0; x < 80; ++x)
    {
      const bool inside = x >= 10 && x < 20 && y >= 5 && y < 12;
      if (!inside)
        ASSERT_EQ(PixelAt(*clipped, x, y), kWhite) << x << "," << y;
      else if (PixelAt(*clipped, x, y) != kWhite)
        inkInside = true;
    }
  }
  EXPECT_TRUE(inkInside);

  auto unclipped = MakeFilled(80, 30, kWhite);
  font->DrawString(unclipped.get(), "WWWW", -1, rect, TextNoClip);
  bool inkOutside = false;
  for (int y = 0; y < 30; ++y)
    for (int x = 20; x < 80; ++x)
      inkOutside = inkOutside || PixelAt(*unclipped, x, y) != kWhite;
  EXPECT_TRUE(inkOutside);
}

TEST(CachedFontLayout, TextOutsideTheClipDrawsNothing)
{
  auto font = MakeFont(15);
  font->SetForeground(0xFF000000);
  auto target = MakeFilled(40, 20, kWhite);
  auto untouched = MakeFilled(40, 20, kWhite);
  struct Case
  {
    IRectI rect;
    int flags;
  };
  for (const Case c : {Case{{50, 0, 90, 20}, 0}, Case{{-60, -40, -10, -20}, 0}, Case{{60, 30, 90, 50}, TextNoClip},
                       Case{{10, 5, 10, 20}, 0}})
  {
    IRectI rect = c.rect;
    EXPECT_EQ(font->DrawString(target.get(), "Hello", -1, rect, c.flags), 0);
  }
  EXPECT_TRUE(SamePixels(*target, *untouched));
  IRectI rect{0, 0, 40, 20};
  EXPECT_EQ(font->DrawString(nullptr, "Hello", -1, rect, 0), 0) << "no target";
}

TEST(CachedFontLayout, LineFeedsStartNewLinesAtTheStartingPen)
{
  auto font = MakeFont(15);
  font->SetForeground(0xFF000000);
  auto twoLines = MakeFilled(60, 40, kWhite);
  IRectI rect{5, 2, 60, 40};
  EXPECT_EQ(font->DrawString(twoLines.get(), "A\nB", -1, rect, 0), 30);

  auto separate = MakeFilled(60, 40, kWhite);
  IRectI first{5, 2, 60, 40};
  font->DrawString(separate.get(), "A", -1, first, 0);
  IRectI second{5, 17, 60, 40};
  font->DrawString(separate.get(), "B", -1, second, 0);
  EXPECT_TRUE(SamePixels(*twoLines, *separate));
}
