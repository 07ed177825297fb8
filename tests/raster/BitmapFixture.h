#pragma once

#include "raster/LICE_Bitmap.h"
#include "raster/LICE_MemBitmap.h"

#include <algorithm>
#include <cstddef>
#include <memory>

inline LICE_pixel PixelAt(LICE_IBitmap& bitmap, int x, int y)
{
  return bitmap.PixelData()[static_cast<std::ptrdiff_t>(bitmap.RowStride()) * y + x];
}

inline void SetPixelAt(LICE_IBitmap& bitmap, int x, int y, LICE_pixel value)
{
  bitmap.PixelData()[static_cast<std::ptrdiff_t>(bitmap.RowStride()) * y + x] = value;
}

inline void Fill(LICE_IBitmap& bitmap, LICE_pixel value)
{
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      SetPixelAt(bitmap, x, y, value);
}

inline std::unique_ptr<LICE_MemBitmap> MakeFilled(int width, int height, LICE_pixel value)
{
  auto bitmap = std::make_unique<LICE_MemBitmap>();
  bitmap->SetSize(width, height);
  Fill(*bitmap, value);
  return bitmap;
}

// A pixel that names its own position, so a test can tell which source pixel
// landed where.
constexpr LICE_pixel PositionPixel(int x, int y) { return LICE_RGBA(x, y, 0x5A, 0xFF); }

inline std::unique_ptr<LICE_MemBitmap> MakePositionCoded(int width, int height)
{
  auto bitmap = std::make_unique<LICE_MemBitmap>();
  bitmap->SetSize(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      SetPixelAt(*bitmap, x, y, PositionPixel(x, y));
  return bitmap;
}

// Writes every pixel of the allocation, padding included; the sanitizer
// build catches an allocation that is too small.
inline void TouchWholeArea(LICE_IBitmap& bitmap)
{
  LICE_pixel* pixels = bitmap.PixelData();
  for (int i = 0; i < bitmap.RowStride() * bitmap.Height(); ++i)
    pixels[i] = static_cast<LICE_pixel>(i);
}

// The smallest box around a set of pixels; right and bottom stay -1 while
// the set is empty.
struct InkBox
{
  int left = 1 << 20;
  int top = 1 << 20;
  int right = -1;
  int bottom = -1;

  void Include(int x, int y)
  {
    left = std::min(left, x);
    top = std::min(top, y);
    right = std::max(right, x + 1);
    bottom = std::max(bottom, y + 1);
  }
};

// The box around the pixels for which isInk(pixel) holds.
template <typename IsInk>
InkBox FindInk(LICE_IBitmap& bitmap, IsInk isInk)
{
  InkBox box;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      if (isInk(PixelAt(bitmap, x, y)))
        box.Include(x, y);
  return box;
}
