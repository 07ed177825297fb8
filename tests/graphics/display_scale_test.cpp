#include "ExpectedPicture.h"
#include "TapeEditorFixture.h"
#include "graphics/ICairoDropdown.h"
#include "tape/TapePictures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace
{
constexpr IMouseState kLeft{true, false, false, false, false};

const IRectI kLeftKnob{24, 212, 144, 332};
const IRectI kLeftKnobPicture{24, 212, 144, 326};
const IRectI kLeftKnobText{24, 326, 144, 345};
const IRectI kLeftVu{20, 14, 270, 139};
const IRectI kRightVu{280, 14, 530, 139};
const IRectI kMachine{549, 228, 729, 408};
const IRectI kBypass{641, 36, 683, 78};
const IRectI kDeckSelector{603, 198, 721, 216};

// The tape editor at a host's content scale factor, every control drawn.
struct ScaledTapeEditor : TapeEditorFixture
{
  explicit ScaledTapeEditor(double scale)
  {
    graphics->SetHostScaleFactor(scale);
    ShowSettled();
  }
};

// The default state's pictures, as the default-state test of the 1x editor
// lays them, from the drawings at `scale` (1 or 2).
ExpectedPicture DefaultPictures(int scale)
{
  const auto id = [scale](const TapePicture& picture) { return scale == 2 ? picture.doubleId : picture.id; };
  ExpectedPicture expected(id(kTapeBackground), scale);
  expected.Layer(id(kTapeKnob), kLeftKnob, 37).Layer(id(kTapeKnob), {180, 212, 300, 332}, 37);
  expected.Layer(id(kTapeButton), {344, 193, 386, 235}, 1).Layer(id(kTapeButton), {344, 282, 386, 324}, 2);
  expected.Layer(id(kTapeButton), {344, 365, 386, 407}, 2).Layer(id(kTapeButton), kBypass, 1);
  expected.Layer(id(kTapeVuMeter), kLeftVu, 1).Layer(id(kTapeVuMeter), kRightVu, 1);
  expected.Layer(id(kTapeLamp), {39, 106, 55, 122}, 1).Layer(id(kTapeLamp), {299, 106, 315, 122}, 1);
  expected.Layer(id(kTapeMachines), kMachine, 1);
  return expected;
}

// The pixels of `surface` in `rect` that differ from `expected`: the ink
// printed over the pictures.
InkBox InkAgainst(LICE_IBitmap& surface, LICE_IBitmap& expected, const IRectI& rect)
{
  InkBox ink;
  for (int y = rect.top; y < rect.bottom; ++y)
    for (int x = rect.left; x < rect.right; ++x)
      if ((PixelAt(surface, x, y) & 0xFFFFFF) != (PixelAt(expected, x, y) & 0xFFFFFF))
        ink.Include(x, y);
  return ink;
}

IRectI Times(const IRectI& rect, int scale)
{
  return {rect.left * scale, rect.top * scale, rect.right * scale, rect.bottom * scale};
}

std::vector<LICE_pixel> Copy(LICE_IBitmap& bitmap)
{
  std::vector<LICE_pixel> pixels;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      pixels.push_back(PixelAt(bitmap, x, y));
  return pixels;
}

// The mean, over `rect` (window pixels) and the three colours, of how far
// `shown` lies from the 2x picture averaged over the area each of its pixels
// covers at `scale`: a box filter, worked out here on its own.
double MeanDistanceFromBoxFiltered(LICE_IBitmap& shown, LICE_IBitmap& doubled, double scale, const IRectI& rect,
                                   int shiftX = 0)
{
  const double step = 2.0 / scale;
  double total = 0.0;
  for (int y = rect.top; y < rect.bottom; ++y)
    for (int x = rect.left; x < rect.right; ++x)
    {
      double sums[3] = {};
      double weights = 0.0;
      const double x0 = (x + shiftX) * step;
      const double y0 = y * step;
      for (int sy = static_cast<int>(std::floor(y0)); sy < static_cast<int>(std::ceil(y0 + step)); ++sy)
        for (int sx = static_cast<int>(std::floor(x0)); sx < static_cast<int>(std::ceil(x0 + step)); ++sx)
        {
          const double w = (std::min<double>(sx + 1, x0 + step) - std::max<double>(sx, x0)) *
                           (std::min<double>(sy + 1, y0 + step) - std::max<double>(sy, y0));
          const LICE_pixel p = PixelAt(doubled, sx, sy);
          sums[0] += w * LICE_GetR(p);
          sums[1] += w * LICE_GetG(p);
          sums[2] += w * LICE_GetB(p);
          weights += w;
        }
      const LICE_pixel p = PixelAt(shown, x, y);
      total += std::abs(sums[0] / weights - LICE_GetR(p)) + std::abs(sums[1] / weights - LICE_GetG(p)) +
               std::abs(sums[2] / weights - LICE_GetB(p));
    }
  return total / (3.0 * rect.Width() * rect.Height());
}
} // namespace

TEST(DisplayScale, TheHostsFactorStandsInForTheSystemsScaleAndIsNeverMultipliedByIt)
{
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double infinity = std::numeric_limits<double>::infinity();
  struct Case
  {
    const char* what;
    double factor;
    bool taken;
    double inForce;
  };
  // The system says 1.5 (144 dpi) throughout.
  const Case cases[] = {
    {"the system's own scale, once", 1.5, true, 1.5},
    {"1 first, as some hosts begin", 1.0, true, 1.0},
    {"the real factor later", 2.0, true, 2.0},
    {"below 1: 1", 0.5, true, 1.0},
    {"above 4: 4", 8.0, true, 4.0},
    {"a fractional factor", 1.25, true, 1.25},
    {"not a number", nan, false, 1.25},
    {"infinite", infinity, false, 1.25},
    {"zero", 0.0, false, 1.25},
    {"negative", -2.0, false, 1.25},
  };
  TapeEditorFixture editor;
  editor.graphics->displayScale = 1.5;
  for (const Case& c : cases)
  {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(editor.graphics->SetHostScaleFactor(c.factor), c.taken);
    EXPECT_DOUBLE_EQ(editor.graphics->GetDisplayScale(), c.inForce);
    EXPECT_DOUBLE_EQ(editor.graphics->DrawScale(), c.inForce);
    EXPECT_EQ(editor.Surface().Width(), static_cast<int>(760 * c.inForce));
    EXPECT_EQ(editor.Surface().Height(), static_cast<int>(450 * c.inForce));
  }

  // The same factor again keeps the surface and asks for no drawing.
  editor.ShowSettled();
  LICE_IBitmap* surface = editor.graphics->DrawingSurface();
  EXPECT_TRUE(editor.graphics->SetHostScaleFactor(1.25));
  EXPECT_EQ(editor.graphics->DrawingSurface(), surface);
  IRectI region;
  EXPECT_FALSE(editor.graphics->CollectDirtyRegion(region));
}

TEST(DisplayScale, AtTwiceTheScaleThePicturesAreTheirDoubleDrawingsPixelForPixel)
{
  ScaledTapeEditor editor(2.0);
  ASSERT_EQ(editor.Surface().Width(), 1520);
  ASSERT_EQ(editor.Surface().Height(), 900);
  const ExpectedPicture expected = DefaultPictures(2);
  for (const IRectI& rect : {kLeftKnobPicture, IRectI{344, 193, 386, 235}, IRectI{344, 282, 386, 324}, kBypass,
                             kLeftVu, kRightVu, kMachine})
    EXPECT_EQ(expected.Differences(editor.Surface(), rect), 0) << rect.left << "," << rect.top;
}

// Texts are laid out in editor pixels and printed at the window's size: at
// scale 2 the ink covers twice the width and height it covers at 1, and it
// is no stretched copy of the 1x ink.
TEST(DisplayScale, TextsArePrintedAtTheWindowsSizeNotStretched)
{
  TapeEditorFixture single;
  single.ShowSettled();
  ScaledTapeEditor doubled(2.0);
  const ExpectedPicture singleExpected = DefaultPictures(1);
  const ExpectedPicture doubleExpected = DefaultPictures(2);

  for (const IRectI& rect : {kLeftKnobText, kDeckSelector})
  {
    SCOPED_TRACE(testing::Message() << rect.left << "," << rect.top);
    const InkBox one = InkAgainst(single.Surface(), singleExpected.Pixels(), rect);
    const InkBox two = InkAgainst(doubled.Surface(), doubleExpected.Pixels(), Times(rect, 2));
    ASSERT_GT(one.right, one.left);
    // Hinting rounds each size's advances its own way: within a few percent.
    EXPECT_NEAR(two.right - two.left, 2 * (one.right - one.left), 2 + 0.04 * (one.right - one.left));
    EXPECT_NEAR(two.bottom - two.top, 2 * (one.bottom - one.top), 3);
    EXPECT_NEAR(two.left + two.right, 2 * (one.left + one.right), 4) << "centred as at 1";

    int unlikeStretched = 0;
    for (int y = 2 * rect.top; y < 2 * rect.bottom; ++y)
      for (int x = 2 * rect.left; x < 2 * rect.right; ++x)
        unlikeStretched += PixelAt(doubled.Surface(), x, y) != PixelAt(single.Surface(), x / 2, y / 2);
    EXPECT_GT(unlikeStretched, (two.right - two.left) * (two.bottom - two.top) / 4);
  }
}

// At 1.5 each window pixel shows the 2x drawing around its centre: close to
// the 2x picture box-filtered over the pixel's area (within 2 levels of 255
// on average), and clearly farther from it one window pixel off.
TEST(DisplayScale, AtAFractionalScaleThePicturesAreTheDoubleDrawingsShrunk)
{
  ScaledTapeEditor editor(1.5);
  ASSERT_EQ(editor.Surface().Width(), 1140);
  ASSERT_EQ(editor.Surface().Height(), 675);
  const ExpectedPicture doubled = DefaultPictures(2);
  struct Area
  {
    const char* what;
    IRectI window;
  };
  const Area areas[] = {
    {"the left knob", {36, 318, 216, 489}},
    {"the left meter", {30, 21, 405, 208}},
    {"the machine", {824, 342, 1093, 612}},
    {"the bypass button", {962, 54, 1024, 117}},
  };
  for (const Area& a : areas)
  {
    const double distance = MeanDistanceFromBoxFiltered(editor.Surface(), doubled.Pixels(), 1.5, a.window);
    const double shifted = MeanDistanceFromBoxFiltered(editor.Surface(), doubled.Pixels(), 1.5, a.window, 1);
    EXPECT_LT(distance, 2.0) << a.what;
    EXPECT_GT(shifted, 2.0 * distance) << a.what;
  }
}

// A window pixel at a fractional scale straddles editor pixels: whatever a
// tick repaints must come out as the whole editor drawn again would.
TEST(DisplayScale, WhatATickRepaintsIsWhatTheWholeEditorDrawnAgainShows)
{
  for (const double scale : {1.25, 1.5, 1.75, 3.0})
  {
    SCOPED_TRACE(scale);
    ScaledTapeEditor editor(scale);
    editor.graphics->GetControl(editor.meters.leftVu)->TakePlugValue(0.37);
    editor.graphics->GetControl(editor.meters.rightLamp)->TakePlugValue(1.0);
    editor.graphics->PointerDown(static_cast<int>(662 * scale), static_cast<int>(57 * scale), kLeft);
    editor.graphics->PointerUp(static_cast<int>(662 * scale), static_cast<int>(57 * scale), kLeft);
    ASSERT_EQ(editor.plug.GetParam(ParamBypass)->Value(), 1.0);
    for (IRectI region; editor.graphics->CollectDirtyRegion(region); region = {})
      editor.graphics->DrawRegion(region);
    const std::vector<LICE_pixel> repainted = Copy(editor.Surface());
    editor.graphics->DrawAll();
    EXPECT_EQ(Copy(editor.Surface()), repainted);
  }
}

TEST(DisplayScale, APressAtAWindowPixelReachesTheControlUnderIt)
{
  for (const double scale : {1.5, 2.0})
  {
    SCOPED_TRACE(scale);
    ScaledTapeEditor editor(scale);
    // Left of the bypass button by a fraction of an editor pixel: the background.
    const int outsideX = static_cast<int>(std::floor(640.6 * scale));
    editor.graphics->PointerDown(outsideX, static_cast<int>(57 * scale), kLeft);
    editor.graphics->PointerUp(outsideX, static_cast<int>(57 * scale), kLeft);
    EXPECT_EQ(editor.plug.GetParam(ParamBypass)->Value(), 0.0);
    const int insideX = static_cast<int>(std::ceil(641 * scale));
    editor.graphics->PointerDown(insideX, static_cast<int>(57 * scale), kLeft);
    editor.graphics->PointerUp(insideX, static_cast<int>(57 * scale), kLeft);
    EXPECT_EQ(editor.plug.GetParam(ParamBypass)->Value(), 1.0);
  }
}

// The arrow printed in each selector's window is part of the control: it
// lies inside its rectangle (nothing arrow-dark lies in the strip right of
// it), and a click on it opens that selector, at scale 1 and 2 alike.
TEST(SelectorArrows, EveryArrowLiesInsideItsSelectorAndAClickOnItOpensIt)
{
  const std::unique_ptr<LICE_MemBitmap> background = Picture(kTapeBackground.id);
  const auto lightness = [](LICE_pixel p) { return (LICE_GetR(p) + LICE_GetG(p) + LICE_GetB(p)) / 3; };
  constexpr int kArrowDark = 120;
  for (int index = 7; index <= 11; ++index)
  {
    TapeEditorFixture editor;
    const IRectI rect = editor.graphics->GetControl(index)->DrawRect();
    SCOPED_TRACE(testing::Message() << "selector " << index << " at " << rect.left << "," << rect.top);
    InkBox arrow;
    for (int y = rect.top + 3; y < rect.bottom - 3; ++y)
      for (int x = rect.left + 3; x < rect.right + 16; ++x)
        if (lightness(PixelAt(*background, x, y)) < kArrowDark)
          arrow.Include(x, y);
    ASSERT_GT(arrow.right, arrow.left) << "an arrow is printed";
    EXPECT_GE(arrow.left, rect.left);
    EXPECT_LE(arrow.right, rect.right);

    for (const int scale : {1, 2})
    {
      ScaledTapeEditor scaled(scale);
      const int x = (arrow.left + arrow.right) / 2 * scale;
      const int y = (arrow.top + arrow.bottom) / 2 * scale;
      scaled.graphics->PointerDown(x, y, kLeft);
      scaled.graphics->PointerUp(x, y, kLeft);
      const IControl& selector = *scaled.graphics->GetControl(index);
      if (scaled.plug.GetParam(selector.ParamIdx())->DisplayTextCount() > 0)
      {
        ASSERT_EQ(scaled.graphics->menus.size(), 1u) << "scale " << scale;
        EXPECT_EQ(scaled.graphics->menus[0].rect, rect);
      }
      else
      {
        ASSERT_EQ(scaled.graphics->textEntries.size(), 1u) << "scale " << scale;
        EXPECT_EQ(scaled.graphics->textEntries[0].control, &selector);
      }
    }
  }
}
