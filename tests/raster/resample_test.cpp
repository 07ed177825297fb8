#include "BitmapFixture.h"
#include "raster/LICE_Resample.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
std::unique_ptr<LICE_MemBitmap> Resampled(LICE_IBitmap& source, const IRectI& area, int width, int height,
                                          const LICE_SampleGrid& grid)
{
  auto dest = MakeFilled(width, height, 0xDEADBEEF);
  LICE_Resample(*dest, source, area, grid);
  return dest;
}

bool Near(LICE_pixel a, LICE_pixel b, int tolerance)
{
  return std::abs(LICE_GetR(a) - LICE_GetR(b)) <= tolerance && std::abs(LICE_GetG(a) - LICE_GetG(b)) <= tolerance &&
         std::abs(LICE_GetB(a) - LICE_GetB(b)) <= tolerance && std::abs(LICE_GetA(a) - LICE_GetA(b)) <= tolerance;
}
} // namespace

TEST(Resample, AStepOfOneFromAWholePixelCopiesThePixels)
{
  const auto source = MakePositionCoded(12, 9);
  const auto dest = Resampled(*source, {0, 0, 12, 9}, 5, 4, {3.0, 2.0, 1.0});
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x)
      EXPECT_EQ(PixelAt(*dest, x, y), PositionPixel(x + 3, y + 2)) << x << "," << y;
}

// A cubic through a straight ramp gives the ramp back wherever it samples;
// shrinking by two averages neighbours (Catmull-Rom at half the distance).
TEST(Resample, ARampStaysARampEnlargedAndShrunk)
{
  auto ramp = MakeFilled(40, 1, 0);
  for (int x = 0; x < 40; ++x)
    SetPixelAt(*ramp, x, 0, LICE_RGBA(4 * x + 20, 100, 100, 255));
  struct Case
  {
    const char* what;
    LICE_SampleGrid grid;
    int width;
  };
  const Case cases[] = {
    {"enlarged by 2", {10.0, 0.0, 0.5}, 20},
    {"enlarged by 1.5", {10.0, 0.0, 2.0 / 3.0}, 20},
    {"shrunk by 2", {10.0, 0.0, 2.0}, 8},
    {"shrunk to 0.75", {10.0, 0.0, 4.0 / 3.0}, 12},
  };
  for (const Case& c : cases)
  {
    SCOPED_TRACE(c.what);
    const auto dest = Resampled(*ramp, {0, 0, 40, 1}, c.width, 1, c.grid);
    for (int x = 0; x < c.width; ++x)
    {
      // The source's pixel i has its centre at i + 0.5.
      const double at = c.grid.originX + (x + 0.5) * c.grid.step - 0.5;
      EXPECT_NEAR(LICE_GetR(PixelAt(*dest, x, 0)), 4 * at + 20, 1.0) << x;
      EXPECT_EQ(LICE_GetG(PixelAt(*dest, x, 0)), 100);
    }
  }
}

TEST(Resample, TransparentPixelsLendNoColourAndTheAreaDoesNotBleed)
{
  // Opaque red beside transparent green, then a blue column outside the area.
  auto source = MakeFilled(6, 4, LICE_RGBA(0, 255, 0, 0));
  for (int y = 0; y < 4; ++y)
  {
    SetPixelAt(*source, 0, y, LICE_RGBA(255, 0, 0, 255));
    SetPixelAt(*source, 1, y, LICE_RGBA(255, 0, 0, 255));
    SetPixelAt(*source, 4, y, LICE_RGBA(0, 0, 255, 255));
    SetPixelAt(*source, 5, y, LICE_RGBA(0, 0, 255, 255));
  }
  // Shrunk by two over the four left columns only.
  const auto dest = Resampled(*source, {0, 0, 4, 4}, 2, 2, {0.0, 0.0, 2.0});
  for (int y = 0; y < 2; ++y)
  {
    const LICE_pixel edge = PixelAt(*dest, 1, y);
    EXPECT_EQ(LICE_GetG(edge), 0) << "the transparent green gave no colour";
    EXPECT_EQ(LICE_GetB(edge), 0) << "nothing came from beyond the area";
    EXPECT_LT(LICE_GetA(edge), 128);
    const LICE_pixel red = PixelAt(*dest, 0, y);
    EXPECT_TRUE(Near(red, LICE_RGBA(255, 0, 0, LICE_GetA(red)), 0));
    EXPECT_GT(LICE_GetA(red), 200);
  }
}

TEST(Resample, NothingHappensWithoutPixelsOrArea)
{
  const auto source = MakePositionCoded(4, 4);
  const auto dest = Resampled(*source, {4, 4, 8, 8}, 2, 2, {0.0, 0.0, 1.0});
  EXPECT_EQ(PixelAt(*dest, 0, 0), 0xDEADBEEFu);
  const auto zeroStep = Resampled(*source, {0, 0, 4, 4}, 2, 2, {0.0, 0.0, 0.0});
  EXPECT_EQ(PixelAt(*zeroStep, 1, 1), 0xDEADBEEFu);
}
