#include "BitmapFixture.h"
#include "raster/LICE_MemBitmap.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

namespace
{
bool IsAligned64(const void* address) { return reinterpret_cast<std::uintptr_t>(address) % 64 == 0; }

void ExpectEmpty(LICE_MemBitmap& bitmap)
{
  EXPECT_EQ(bitmap.Width(), 0);
  EXPECT_EQ(bitmap.Height(), 0);
  EXPECT_EQ(bitmap.RowStride(), 0);
  EXPECT_EQ(bitmap.PixelData(), nullptr);
}

TEST(MemBitmap, StartsEmptyWithoutPlatformParts)
{
  LICE_MemBitmap bitmap;
  ExpectEmpty(bitmap);
  EXPECT_FALSE(bitmap.IsBottomUp());
  EXPECT_EQ(bitmap.NativeContext(), nullptr);
  EXPECT_EQ(bitmap.QueryExtension(1, nullptr), 0);
}

TEST(MemBitmap, RowsArePaddedToFourPixelsAndStart64ByteAligned)
{
  struct Case
  {
    int width;
    int stride;
  };
  const Case cases[] = {{1, 4}, {3, 4}, {4, 4}, {5, 8}, {8, 8}, {9, 12}, {761, 764}};
  for (const Case& c : cases)
  {
    SCOPED_TRACE(c.width);
    LICE_MemBitmap bitmap;
    EXPECT_TRUE(bitmap.SetSize(c.width, 3));
    EXPECT_EQ(bitmap.Width(), c.width);
    EXPECT_EQ(bitmap.Height(), 3);
    EXPECT_EQ(bitmap.RowStride(), c.stride);
    ASSERT_NE(bitmap.PixelData(), nullptr);
    EXPECT_TRUE(IsAligned64(bitmap.PixelData()));
    TouchWholeArea(bitmap);
  }
}

TEST(MemBitmap, SameSizeReportsNoChangeAndKeepsPixels)
{
  LICE_MemBitmap bitmap;
  ASSERT_TRUE(bitmap.SetSize(5, 2));
  SetPixelAt(bitmap, 4, 1, 0x12345678);
  LICE_pixel* before = bitmap.PixelData();

  EXPECT_FALSE(bitmap.SetSize(5, 2));
  EXPECT_EQ(bitmap.PixelData(), before);
  EXPECT_EQ(PixelAt(bitmap, 4, 1), 0x12345678u);

  LICE_MemBitmap empty;
  EXPECT_FALSE(empty.SetSize(0, 0));
}

TEST(MemBitmap, ZeroOrNegativeSizeFreesThePixels)
{
  const int sizes[][2] = {{0, 5}, {5, 0}, {-3, 4}, {4, -3}, {-8, -2}};
  for (const auto& size : sizes)
  {
    SCOPED_TRACE(testing::Message() << size[0] << " x " << size[1]);
    LICE_MemBitmap bitmap;
    ASSERT_TRUE(bitmap.SetSize(10, 10));
    EXPECT_TRUE(bitmap.SetSize(size[0], size[1]));
    ExpectEmpty(bitmap);

    EXPECT_TRUE(bitmap.SetSize(2, 2));
    EXPECT_NE(bitmap.PixelData(), nullptr);
  }
}

TEST(MemBitmap, GrowingKeepsExistingRowsAligned)
{
  LICE_MemBitmap bitmap;
  ASSERT_TRUE(bitmap.SetSize(8, 2));
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 8; ++x)
      SetPixelAt(bitmap, x, y, PositionPixel(x, y));

  // Several growth steps, so realloc moves the block at least sometimes.
  for (const int height : {3, 40, 900, 20000})
  {
    SCOPED_TRACE(height);
    ASSERT_TRUE(bitmap.SetSize(8, height));
    ASSERT_NE(bitmap.PixelData(), nullptr);
    EXPECT_TRUE(IsAligned64(bitmap.PixelData()));
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 8; ++x)
        ASSERT_EQ(PixelAt(bitmap, x, y), PositionPixel(x, y));
    TouchWholeArea(bitmap);
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 8; ++x)
        SetPixelAt(bitmap, x, y, PositionPixel(x, y));
  }
}

TEST(MemBitmap, ShrinkingAndRegrowingStayInTheSameBlock)
{
  LICE_MemBitmap bitmap;
  ASSERT_TRUE(bitmap.SetSize(16, 16));
  SetPixelAt(bitmap, 3, 1, 0xCAFEF00D);
  LICE_pixel* block = bitmap.PixelData();

  EXPECT_TRUE(bitmap.SetSize(16, 4));
  EXPECT_EQ(bitmap.PixelData(), block);
  EXPECT_TRUE(bitmap.SetSize(16, 16));
  EXPECT_EQ(bitmap.PixelData(), block);
  EXPECT_EQ(PixelAt(bitmap, 3, 1), 0xCAFEF00Du);
  TouchWholeArea(bitmap);
}

TEST(MemBitmap, SizesBeyondInt32BytesFailToEmpty)
{
  const int sizes[][2] = {{100000, 100000}, {INT_MAX, 1}, {INT_MAX - 2, 1}, {1, INT_MAX}, {65536, 32768}};
  for (const auto& size : sizes)
  {
    SCOPED_TRACE(testing::Message() << size[0] << " x " << size[1]);
    LICE_MemBitmap bitmap;
    ASSERT_TRUE(bitmap.SetSize(4, 4));
    EXPECT_TRUE(bitmap.SetSize(size[0], size[1]));
    ExpectEmpty(bitmap);
  }
}
} // namespace
