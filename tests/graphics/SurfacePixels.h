#pragma once

#include "raster/LICE_Bitmap.h"
#include "raster/LICE_MemBitmap.h"

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

// An opaque pixel that names its own position.
constexpr LICE_pixel PositionPixel(int x, int y) { return LICE_RGBA(x, y, 0x5A, 0xFF); }
