#include "platform/win/RunningUnderWine.h"
#include "raster/LICE_CachedFont.h"
#include "raster/LICE_PlatformFont.h"
#include "raster/LICE_SysBitmap.h"
#include "raster/LICE_TextFlags.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

namespace
{
constexpr int kHeight = 14;

LICE_FontRequest Request(int height = kHeight)
{
  LICE_FontRequest request;
  request.faceName = "Arial";
  request.height = height;
  return request;
}

// The same font made directly, to ask GDI what it measures.
class ReferenceFont
{
public:
  explicit ReferenceFont(int height)
    : mContext(CreateCompatibleDC(nullptr)),
      mFont(CreateFontA(height, 0, 0, 0, 400, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Arial")),
      mPrevious(SelectObject(mContext, mFont))
  {
  }
  ~ReferenceFont()
  {
    SelectObject(mContext, mPrevious);
    DeleteObject(mFont);
    DeleteDC(mContext);
  }

  SIZE Wide(const wchar_t* text) const
  {
    RECT cell{};
    DrawTextW(mContext, text, -1, &cell, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    return {cell.right, cell.bottom};
  }
  SIZE Bytes(const char* text) const
  {
    RECT cell{};
    DrawTextA(mContext, text, -1, &cell, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    return {cell.right, cell.bottom};
  }
  int CellHeight() const
  {
    TEXTMETRICA metrics{};
    GetTextMetricsA(mContext, &metrics);
    return metrics.tmHeight;
  }

private:
  HDC mContext;
  HFONT mFont;
  HGDIOBJ mPrevious;
};

void Fill(LICE_SysBitmap& bitmap, LICE_pixel colour)
{
  for (int y = 0; y < bitmap.Height(); ++y)
    std::fill_n(bitmap.PixelData() + static_cast<std::ptrdiff_t>(y) * bitmap.RowStride(), bitmap.Width(), colour);
}

int CountPixels(LICE_SysBitmap& bitmap, LICE_pixel colour)
{
  int count = 0;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      count += (bitmap.PixelData()[static_cast<std::ptrdiff_t>(y) * bitmap.RowStride() + x] & 0xFFFFFFu) == colour;
  return count;
}

const int kMeasureOneLine = TextMeasure | TextOneLine;
} // namespace

TEST(WineProbe, AnswersTrueUnderWine) { EXPECT_TRUE(RunningUnderWine()); }

TEST(GdiFont, CellsAreWhatGdiMeasures)
{
  const std::unique_ptr<LICE_PlatformFont> font = LICE_PlatformFont::Create(Request());
  ASSERT_NE(font, nullptr);
  const ReferenceFont reference(kHeight);
  EXPECT_EQ(font->LineHeight(), reference.CellHeight());
  EXPECT_EQ(font->LineHeight(), kHeight);
  const struct
  {
    int code;
    const wchar_t* text;
  } cases[] = {{'W', L"W"}, {'i', L"i"}, {' ', L" "}, {0xE9, L"\u00E9"}, {0x20AC, L"\u20AC"}};
  for (const auto& c : cases)
  {
    const LICE_GlyphCell cell = font->MeasureGlyph(c.code);
    const SIZE expected = reference.Wide(c.text);
    EXPECT_EQ(cell.width, expected.cx) << c.code;
    EXPECT_EQ(cell.height, expected.cy) << c.code;
  }
  EXPECT_GT(font->MeasureGlyph('W').width, font->MeasureGlyph('i').width);
  EXPECT_EQ(font->MeasureGlyph(0x1F600).width, 0);
}

TEST(GdiFont, AGlyphIsDrawnWhiteOnBlackAtItsCellsCorner)
{
  const std::unique_ptr<LICE_PlatformFont> font = LICE_PlatformFont::Create(Request());
  ASSERT_NE(font, nullptr);
  LICE_SysBitmap canvas;
  ASSERT_TRUE(canvas.SetSize(64, 64));
  Fill(canvas, 0);
  font->DrawGlyph('H', canvas, 10, 5);
  const LICE_GlyphCell cell = font->MeasureGlyph('H');
  int ink = 0;
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x)
    {
      const LICE_pixel pixel = canvas.PixelData()[y * canvas.RowStride() + x];
      if (LICE_GetR(pixel) == 0)
        continue;
      ++ink;
      EXPECT_TRUE(x >= 10 && x < 10 + cell.width && y >= 5 && y < 5 + cell.height) << x << "," << y;
    }
  EXPECT_GT(ink, 10);
}

TEST(GdiFont, UnderWineStringsAreLeftToTheCachedGlyphsUnlessForced)
{
  const std::unique_ptr<LICE_PlatformFont> font = LICE_PlatformFont::Create(Request());
  ASSERT_NE(font, nullptr);
  IRectI rect;
  EXPECT_FALSE(font->DrawStringNative(nullptr, "Hi", -1, rect, kMeasureOneLine, {}, false).has_value());
  EXPECT_TRUE(font->DrawStringNative(nullptr, "Hi", -1, rect, kMeasureOneLine, {}, true).has_value());
}

TEST(GdiFont, WholeStringsInUtf8GoToTheWideCallAndOthersToTheByteCall)
{
  const std::unique_ptr<LICE_PlatformFont> font = LICE_PlatformFont::Create(Request());
  ASSERT_NE(font, nullptr);
  const ReferenceFont reference(kHeight);
  const struct
  {
    const char* text;
    SIZE expected;
  } cases[] = {
    {"e\xCC\x81 caf\xC3\xA9", reference.Wide(L"e\u0301 caf\u00E9")},
    {"\xC3\xA9", reference.Wide(L"\u00E9")},
    // Not UTF-8: the bytes in the system's code page.
    {"caf\xE9", reference.Bytes("caf\xE9")},
    {"\xC3\x28", reference.Bytes("\xC3\x28")},
    {"plain", reference.Bytes("plain")},
  };
  for (const auto& c : cases)
  {
    IRectI rect{5, 7, 5, 7};
    const std::optional<int> height = font->DrawStringNative(nullptr, c.text, -1, rect, kMeasureOneLine, {}, true);
    ASSERT_TRUE(height.has_value()) << c.text;
    EXPECT_EQ(rect, (IRectI{5, 7, 5 + c.expected.cx, 7 + c.expected.cy})) << c.text;
    EXPECT_EQ(*height, c.expected.cy) << c.text;
  }
  EXPECT_NE(reference.Wide(L"\u00E9").cx, reference.Bytes("\xC3\xA9").cx);

  // The byte length limits the text.
  IRectI rect;
  font->DrawStringNative(nullptr, "WWWWWW", 2, rect, kMeasureOneLine, {}, true);
  EXPECT_EQ(rect.right, reference.Bytes("WW").cx);
}

TEST(GdiFont, AStringIsDrawnIntoTheTargetsContextInItsColours)
{
  const std::unique_ptr<LICE_PlatformFont> font = LICE_PlatformFont::Create(Request(20));
  ASSERT_NE(font, nullptr);
  LICE_SysBitmap target;
  ASSERT_TRUE(target.SetSize(80, 30));
  Fill(target, 0x00FFFFFFu);
  IRectI rect{0, 0, 80, 30};
  const LICE_NativeTextColours transparent{LICE_RGBA(255, 0, 0, 255), 0, 1};
  EXPECT_GT(*font->DrawStringNative(&target, "HH", -1, rect, TextOneLine, transparent, true), 0);
  EXPECT_GT(CountPixels(target, 0xFF0000u), 10);
  EXPECT_GT(CountPixels(target, 0xFFFFFFu), 1000);

  Fill(target, 0x00FFFFFFu);
  const LICE_NativeTextColours opaque{LICE_RGBA(255, 0, 0, 255), LICE_RGBA(0, 0, 255, 255), 2};
  font->DrawStringNative(&target, "HH", -1, rect, TextOneLine, opaque, true);
  EXPECT_GT(CountPixels(target, 0x0000FFu), 50);

  // Without a target nothing is drawn.
  EXPECT_EQ(font->DrawStringNative(nullptr, "HH", -1, rect, TextOneLine, opaque, true), 0);
}

TEST(GdiFont, TheCachedFontDrawsFromGdiGlyphsUnderWine)
{
  auto font = std::make_unique<LICE_CachedFont>();
  font->AttachNativeFont(LICE_PlatformFont::Create(Request()).release(), FontOwnsNative | FontPreferNative);
  ASSERT_NE(font->NativeFont(), nullptr);
  EXPECT_EQ(font->LineHeight(), kHeight);
  const ReferenceFont reference(kHeight);
  IRectI rect;
  EXPECT_EQ(font->DrawString(nullptr, "Hi", -1, rect, kMeasureOneLine), kHeight);
  EXPECT_EQ(rect.right, reference.Wide(L"H").cx + reference.Wide(L"i").cx);

  LICE_SysBitmap target;
  ASSERT_TRUE(target.SetSize(60, 30));
  Fill(target, 0x00FFFFFFu);
  font->SetForeground(LICE_RGBA(0, 0, 0, 255));
  IRectI area{2, 2, 60, 30};
  EXPECT_EQ(font->DrawString(&target, "Hi", -1, area, TextOneLine), kHeight);
  EXPECT_GT(CountPixels(target, 0x000000u), 5);
}

namespace
{
// Ink darker than white: how much, and where its centre lies.
struct Ink
{
  double amount = 0.0;
  double x = 0.0;
  double y = 0.0;
};

Ink InkOnWhite(LICE_SysBitmap& bitmap)
{
  Ink ink;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
    {
      const LICE_pixel p = bitmap.PixelData()[static_cast<std::ptrdiff_t>(y) * bitmap.RowStride() + x];
      const double weight = 255.0 - (LICE_GetR(p) + LICE_GetG(p) + LICE_GetB(p)) / 3.0;
      ink.amount += weight;
      ink.x += weight * x;
      ink.y += weight * y;
    }
  if (ink.amount > 0.0)
  {
    ink.x /= ink.amount;
    ink.y /= ink.amount;
  }
  return ink;
}

// Real Windows hands opaque strings to GDI whole, where Wine does not: these
// tests ask for that path under Wine.
class NativeTextPath : public ::testing::Test
{
protected:
  void SetUp() override { TakeNativeTextPathUnderWine(true); }
  void TearDown() override { TakeNativeTextPathUnderWine(false); }

  // "0.0 dB" centred in the middle of a white 120 x 30 bitmap, as a knob
  // prints its value, through the cached font's DrawString, on the native
  // path or on Wine's own.
  static Ink Print(LICE_CachedFont& font, LICE_SysBitmap& target, bool native)
  {
    TakeNativeTextPathUnderWine(native);
    target.SetSize(120, 30);
    Fill(target, 0x00FFFFFFu);
    IRectI rect{0, 0, 120, 30};
    font.DrawString(&target, "0.0 dB", -1, rect, TextCentre | TextMiddle | TextOneLine | TextNoClip);
    TakeNativeTextPathUnderWine(true);
    return InkOnWhite(target);
  }
};
} // namespace

TEST_F(NativeTextPath, IsTakenUnderWineWhenAskedFor)
{
  EXPECT_TRUE(RunningUnderWine());
  EXPECT_TRUE(NativeTextPathAvailable());
  const std::unique_ptr<LICE_PlatformFont> font = LICE_PlatformFont::Create(Request());
  ASSERT_NE(font, nullptr);
  IRectI rect;
  EXPECT_TRUE(font->DrawStringNative(nullptr, "Hi", -1, rect, kMeasureOneLine, {}, false).has_value());
  TakeNativeTextPathUnderWine(false);
  EXPECT_FALSE(NativeTextPathAvailable());
  EXPECT_FALSE(font->DrawStringNative(nullptr, "Hi", -1, rect, kMeasureOneLine, {}, false).has_value());
}

// The native path measures the whole string as GDI does and prints it in
// the same place with about the same ink as the glyphs the cached path
// blends; an opaque background, which only GDI paints, shows which path drew.
TEST_F(NativeTextPath, TheCachedFontHandsOpaqueStringsToGdiWholeInTheSamePlace)
{
  constexpr int kKnobTextHeight = 15;
  auto font = std::make_unique<LICE_CachedFont>();
  font->AttachNativeFont(LICE_PlatformFont::Create(Request(kKnobTextHeight)).release(),
                         FontOwnsNative | FontPreferNative);
  ASSERT_NE(font->NativeFont(), nullptr);
  font->SetForeground(LICE_RGBA(64, 64, 64, 255));
  const ReferenceFont reference(kKnobTextHeight);

  IRectI measured{3, 4, 3, 4};
  EXPECT_EQ(font->DrawString(nullptr, "0.0 dB", -1, measured, kMeasureOneLine), reference.Bytes("0.0 dB").cy);
  EXPECT_EQ(measured, (IRectI{3, 4, 3 + reference.Bytes("0.0 dB").cx, 4 + reference.Bytes("0.0 dB").cy}));

  LICE_SysBitmap native;
  LICE_SysBitmap cached;
  const Ink nativeInk = Print(*font, native, true);
  const Ink cachedInk = Print(*font, cached, false);
  ASSERT_GT(cachedInk.amount, 0.0);
  EXPECT_NEAR(nativeInk.amount / cachedInk.amount, 1.0, 0.25);
  EXPECT_NEAR(nativeInk.x, 60.0, 1.5);
  EXPECT_NEAR(nativeInk.y, cachedInk.y, 1.5);
  EXPECT_NEAR(nativeInk.x, cachedInk.x, 1.5);

  font->SetBackground(LICE_RGBA(0, 0, 255, 255));
  font->SetBackgroundMode(2);
  Print(*font, native, true);
  Print(*font, cached, false);
  EXPECT_GT(CountPixels(native, 0x0000FFu), 100) << "GDI painted the string's background";
  EXPECT_EQ(CountPixels(cached, 0x0000FFu), 0);
}
