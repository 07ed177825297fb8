#include "BitmapFixture.h"
#include "raster/LICE_SysBitmap.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>

namespace
{
void ExpectEmpty(LICE_SysBitmap& bitmap)
{
  EXPECT_EQ(bitmap.Width(), 0);
  EXPECT_EQ(bitmap.Height(), 0);
  EXPECT_EQ(bitmap.PixelData(), nullptr);
}

TEST(SysBitmap, StartsEmpty)
{
  LICE_SysBitmap bitmap;
  ExpectEmpty(bitmap);
  EXPECT_FALSE(bitmap.IsBottomUp());
  EXPECT_EQ(bitmap.QueryExtension(1, nullptr), 0);
  EXPECT_FALSE(bitmap.SetSize(0, 0));
}

TEST(SysBitmap, RowsArePaddedToFourPixels)
{
  LICE_SysBitmap bitmap;
  EXPECT_TRUE(bitmap.SetSize(5, 3));
  EXPECT_EQ(bitmap.Width(), 5);
  EXPECT_EQ(bitmap.Height(), 3);
  EXPECT_EQ(bitmap.RowStride(), 8);
  ASSERT_NE(bitmap.PixelData(), nullptr);
  TouchWholeArea(bitmap);
  EXPECT_FALSE(bitmap.SetSize(5, 3));
}

TEST(SysBitmap, ShrinkingKeepsTheAllocationAndStride)
{
  LICE_SysBitmap bitmap;
  ASSERT_TRUE(bitmap.SetSize(10, 6));
  SetPixelAt(bitmap, 1, 1, 0x11223344);
  LICE_pixel* pixels = bitmap.PixelData();

  EXPECT_TRUE(bitmap.SetSize(3, 2));
  EXPECT_EQ(bitmap.Width(), 3);
  EXPECT_EQ(bitmap.Height(), 2);
  EXPECT_EQ(bitmap.RowStride(), 12);
  EXPECT_EQ(bitmap.PixelData(), pixels);
  EXPECT_EQ(PixelAt(bitmap, 1, 1), 0x11223344u);

  EXPECT_TRUE(bitmap.SetSize(12, 6));
  EXPECT_EQ(bitmap.RowStride(), 12);
  EXPECT_EQ(bitmap.PixelData(), pixels);
}

TEST(SysBitmap, GrowingBeyondTheAllocationReallocates)
{
  for (const auto& size : {std::pair{13, 2}, std::pair{4, 7}})
  {
    SCOPED_TRACE(testing::Message() << size.first << " x " << size.second);
    LICE_SysBitmap bitmap;
    ASSERT_TRUE(bitmap.SetSize(10, 6));
    EXPECT_TRUE(bitmap.SetSize(size.first, size.second));
    EXPECT_EQ(bitmap.Width(), size.first);
    EXPECT_EQ(bitmap.Height(), size.second);
    EXPECT_EQ(bitmap.RowStride(), (size.first + 3) / 4 * 4);
    ASSERT_NE(bitmap.PixelData(), nullptr);
    TouchWholeArea(bitmap);
  }
}

TEST(SysBitmap, ZeroSizeDropsThePixelsAndReportsEmpty)
{
  const int sizes[][2] = {{0, 5}, {5, 0}, {-3, 4}};
  for (const auto& size : sizes)
  {
    SCOPED_TRACE(testing::Message() << size[0] << " x " << size[1]);
    LICE_SysBitmap bitmap;
    ASSERT_TRUE(bitmap.SetSize(10, 10));
    EXPECT_FALSE(bitmap.SetSize(size[0], size[1]));
    ExpectEmpty(bitmap);

    EXPECT_TRUE(bitmap.SetSize(2, 2));
    EXPECT_NE(bitmap.PixelData(), nullptr);
  }
}

TEST(SysBitmap, SizesBeyondInt32BytesFailToEmpty)
{
  const int sizes[][2] = {{100000, 100000}, {INT_MAX, 1}, {1, INT_MAX}};
  for (const auto& size : sizes)
  {
    SCOPED_TRACE(testing::Message() << size[0] << " x " << size[1]);
    LICE_SysBitmap bitmap;
    ASSERT_TRUE(bitmap.SetSize(4, 4));
    EXPECT_TRUE(bitmap.SetSize(size[0], size[1]));
    ExpectEmpty(bitmap);
  }
}
} // namespace
