#include "raster/LICE_SysBitmap.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

namespace
{
HDC ContextOf(LICE_SysBitmap& bitmap) { return static_cast<HDC>(bitmap.NativeContext()); }

LICE_pixel PixelAt(LICE_SysBitmap& bitmap, int x, int y) { return bitmap.PixelData()[y * bitmap.RowStride() + x]; }

TEST(SysBitmapOverGdi, PixelsAreTheDibSectionSelectedIntoItsContext)
{
  LICE_SysBitmap bitmap;
  ASSERT_NE(ContextOf(bitmap), nullptr);
  ASSERT_TRUE(bitmap.SetSize(5, 3));
  DIBSECTION section{};
  ASSERT_EQ(GetObjectW(GetCurrentObject(ContextOf(bitmap), OBJ_BITMAP), sizeof section, &section),
            static_cast<int>(sizeof section));
  EXPECT_EQ(section.dsBm.bmBits, bitmap.PixelData());
  EXPECT_EQ(section.dsBm.bmWidth, bitmap.RowStride());
  EXPECT_EQ(section.dsBm.bmHeight, 3);
  EXPECT_EQ(section.dsBm.bmBitsPixel, 32);
  EXPECT_EQ(section.dsBmih.biCompression, static_cast<DWORD>(BI_RGB));
}

// GDI draws into the same memory the portable code reads, rows top down and
// colours as 0x00RRGGBB.
TEST(SysBitmapOverGdi, GdiDrawingLandsInThePixelsTopRowFirst)
{
  LICE_SysBitmap bitmap;
  ASSERT_TRUE(bitmap.SetSize(6, 4));
  std::memset(bitmap.PixelData(), 0, static_cast<size_t>(bitmap.RowStride()) * 4 * sizeof(LICE_pixel));
  const HBRUSH brush = CreateSolidBrush(RGB(0x12, 0x34, 0x56));
  const RECT topRow{1, 0, 3, 1};
  FillRect(ContextOf(bitmap), &topRow, brush);
  DeleteObject(brush);
  GdiFlush();

  EXPECT_EQ(PixelAt(bitmap, 1, 0) & 0xFFFFFFu, 0x123456u);
  EXPECT_EQ(PixelAt(bitmap, 2, 0) & 0xFFFFFFu, 0x123456u);
  EXPECT_EQ(PixelAt(bitmap, 0, 0), 0u);
  EXPECT_EQ(PixelAt(bitmap, 3, 0), 0u);
  for (int y = 1; y < 4; ++y)
    EXPECT_EQ(PixelAt(bitmap, 1, y), 0u) << y;
}

TEST(SysBitmapOverGdi, GrowingSelectsTheNewSectionAndEmptyingRestoresTheContextsOwnBitmap)
{
  LICE_SysBitmap bitmap;
  const HDC context = ContextOf(bitmap);
  const HGDIOBJ original = GetCurrentObject(context, OBJ_BITMAP);
  ASSERT_TRUE(bitmap.SetSize(4, 4));
  ASSERT_TRUE(bitmap.SetSize(40, 30));
  EXPECT_EQ(ContextOf(bitmap), context);
  DIBSECTION section{};
  ASSERT_EQ(GetObjectW(GetCurrentObject(context, OBJ_BITMAP), sizeof section, &section),
            static_cast<int>(sizeof section));
  EXPECT_EQ(section.dsBm.bmBits, bitmap.PixelData());
  EXPECT_EQ(section.dsBm.bmWidth, 40);
  EXPECT_EQ(section.dsBm.bmHeight, 30);

  EXPECT_FALSE(bitmap.SetSize(0, 0));
  EXPECT_EQ(GetCurrentObject(context, OBJ_BITMAP), original);
}

// The window layer presents the drawing surface by copying from its context.
TEST(SysBitmapOverGdi, ContextsCopyBetweenEachOther)
{
  LICE_SysBitmap source;
  LICE_SysBitmap target;
  ASSERT_TRUE(source.SetSize(4, 2));
  ASSERT_TRUE(target.SetSize(4, 2));
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x)
    {
      source.PixelData()[y * source.RowStride() + x] = 0x00010203u * static_cast<LICE_pixel>(x + 4 * y + 1);
      target.PixelData()[y * target.RowStride() + x] = 0;
    }
  ASSERT_TRUE(BitBlt(ContextOf(target), 0, 0, 4, 2, ContextOf(source), 0, 0, SRCCOPY));
  GdiFlush();
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x)
      EXPECT_EQ(PixelAt(target, x, y) & 0xFFFFFFu, PixelAt(source, x, y) & 0xFFFFFFu) << x << ", " << y;
}
} // namespace
