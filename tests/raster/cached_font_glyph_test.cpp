#include "FontFixture.h"
#include "FreeTypeReference.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
constexpr LICE_pixel kWhite = 0xFFFFFFFF;

// Margin left and right of a character's cell on the glyph canvas.
int MarginFor(int lineHeight) { return lineHeight < 16 ? 2 : lineHeight / 16 + 2; }

// The record the cache should make of a character, from FreeType's own
// rendering: the cell spans the advance, the mask adds any ink beyond it.
GlyphRecord ExpectedRecord(const FreeTypeReference& reference, int code)
{
  const ReferenceGlyph glyph = reference.Glyph(code);
  const int margin = MarginFor(reference.CellHeight());
  int first = margin;
  int end = margin + glyph.advance;
  for (int column = 0; column < glyph.width; ++column)
  {
    for (int row = 0; row < glyph.rows; ++row)
    {
      const int cellRow = reference.Ascent() - glyph.top + row;
      if (glyph.At(column, row) == 0 || cellRow < 0 || cellRow >= reference.CellHeight())
        continue;
      const int canvasColumn = margin + glyph.left + column;
      if (canvasColumn >= 0)
        first = std::min(first, canvasColumn);
      end = std::max(end, canvasColumn + 1);
    }
  }
  return {1, end - first, reference.CellHeight(), glyph.advance, code, margin - first};
}
} // namespace

TEST(CachedFontGlyph, RecordsFollowFreeTypeMetrics)
{
  const int codes[] = {'j', '0', '.', 'd', 'B', 'f', 'J', '(', 'W', ' ', 'g', 0xE9, 0x20AC};
  for (const int height : {9, 15, 30})
  {
    const FreeTypeReference reference(height);
    ASSERT_TRUE(reference.Loaded());
    auto font = MakeFont(height);
    ASSERT_EQ(font->LineHeight(), reference.CellHeight()) << height;
    for (const int code : codes)
    {
      const std::optional<GlyphRecord> record = font->Glyph(code);
      ASSERT_TRUE(record.has_value()) << code;
      const GlyphRecord expected = ExpectedRecord(reference, code);
      SCOPED_TRACE(testing::Message() << "height " << height << " code " << code);
      EXPECT_TRUE(record->HasInk());
      EXPECT_EQ(record->advance, expected.advance);
      EXPECT_EQ(record->maskWidth, expected.maskWidth);
      EXPECT_EQ(record->maskHeight, expected.maskHeight);
      EXPECT_EQ(record->leftOffset, expected.leftOffset);
      EXPECT_EQ(record->code, code);
    }
  }
}

TEST(CachedFontGlyph, InkLeftOfThePenGivesALeftOffset)
{
  // Liberation Sans draws the hook of 'j' one pixel left of its pen at 15.
  const FreeTypeReference reference(15);
  ASSERT_LT(reference.Glyph('j').left, 0);
  auto font = MakeFont(15);
  EXPECT_EQ(font->Glyph('j')->leftOffset, -reference.Glyph('j').left);
  EXPECT_EQ(font->Glyph('H')->leftOffset, 0);
}

TEST(CachedFontGlyph, CellHeightIsTheRequestedHeight)
{
  for (const int height : {9, 10, 12, 15, 20, 33})
    EXPECT_EQ(MakeFont(height)->LineHeight(), height);
}

TEST(CachedFontGlyph, DrawnCoverageBlendsTheTextColourOverTheTarget)
{
  // Opaque colour (200, 100, 0): d = c + (d - c) * (255 - v) / 256 per
  // channel over white, alpha stays 255; at alpha 128 with the foreground
  // alpha flag, or at combine alpha 0.5, the weight is D = 128:
  // d = c + (d - c) * (256 - v * 128 / 256) / 256.
  struct Case
  {
    LICE_pixel colour;
    int flags;
    float combineAlpha;
    bool halfWeight;
  };
  for (const Case c : {Case{0xFFC86400, 0, 1.0f, false}, Case{0x80C86400, TextUseForegroundAlpha, 1.0f, true},
                       Case{0x80C86400, 0, 1.0f, false}, Case{0xFFC86400, 0, 0.5f, true}})
  {
    const FreeTypeReference reference(15);
    auto font = MakeFont(15);
    font->SetForeground(c.colour);
    font->SetCombine(0, c.combineAlpha);
    auto target = MakeFilled(60, 30, kWhite);
    IRectI rect{10, 5, 60, 30};
    EXPECT_EQ(font->DrawString(target.get(), "Hg", -1, rect, c.flags), 15);

    auto expected = MakeFilled(60, 30, kWhite);
    int pen = 10;
    for (const int code : {'H', 'g'})
    {
      const ReferenceGlyph glyph = reference.Glyph(code);
      for (int row = 0; row < glyph.rows; ++row)
      {
        for (int column = 0; column < glyph.width; ++column)
        {
          const int v = glyph.At(column, row);
          if (v == 0)
            continue;
          const int keep = c.halfWeight ? 256 - v * 128 / 256 : 255 - v;
          const auto channel = [keep](int colour) { return colour + (255 - colour) * keep / 256; };
          SetPixelAt(*expected, pen + glyph.left + column, 5 + reference.Ascent() - glyph.top + row,
                     LICE_RGBA(channel(200), channel(100), channel(0), 255));
        }
      }
      pen += glyph.advance;
    }
    EXPECT_TRUE(SamePixels(*target, *expected)) << std::hex << c.colour << " flags " << c.flags << " combine alpha " << c.combineAlpha;
  }
}

TEST(CachedFontGlyph, PrecachedFontsRenderAsciiOnly)
{
  auto font = MakeFont(15, FontOwnsNative | FontPrecacheAscii);
  EXPECT_TRUE(font->Glyph('A')->HasInk());
  EXPECT_FALSE(font->Glyph(0xE9).has_value());
  IRectI rect;
  EXPECT_EQ(font->DrawString(nullptr, "\xC3\xA9", -1, rect, TextMeasure), 0);
  EXPECT_EQ(rect, IRectI{});
}

TEST(CachedFontGlyph, AttachingAnotherFontForgetsTheGlyphs)
{
  auto font = MakeFont(15);
  const int smallAdvance = font->Glyph('W')->advance;
  LICE_FontRequest request;
  request.faceName = "Arial";
  request.height = 40;
  font->AttachNativeFont(LICE_PlatformFont::Create(request).release(), FontOwnsNative);
  EXPECT_EQ(font->LineHeight(), 40);
  EXPECT_EQ(font->Glyph('W')->advance, FreeTypeReference(40).Glyph('W').advance);
  EXPECT_GT(font->Glyph('W')->advance, smallAdvance);
}

TEST(CachedFontGlyph, CellsOf1024PixelsAndMoreRenderNothing)
{
  auto font = MakeFont(1100);
  EXPECT_GE(font->LineHeight(), 1024);
  EXPECT_FALSE(font->Glyph('A').has_value());
  IRectI rect;
  EXPECT_EQ(font->DrawString(nullptr, "A", -1, rect, TextMeasure), 0);
}

TEST(CachedFontGlyph, FontWithoutPlatformFontDrawsNothing)
{
  LICE_CachedFont font;
  EXPECT_EQ(font.LineHeight(), 0);
  const std::optional<GlyphRecord> record = font.Glyph('A');
  ASSERT_TRUE(record.has_value());
  EXPECT_FALSE(record->HasInk());
  auto target = MakeFilled(20, 20, kWhite);
  IRectI rect{0, 0, 20, 20};
  EXPECT_EQ(font.DrawString(target.get(), "A", -1, rect, 0), 0);
}
