#pragma once

#include "BitmapFixture.h"
#include "raster/LICE_CachedFont.h"
#include "raster/LICE_PlatformFont.h"
#include "raster/LICE_TextFlags.h"

#include <memory>

inline std::unique_ptr<LICE_CachedFont> MakeFont(int cellHeight, int fontFlags = FontOwnsNative | FontPreferNative)
{
  LICE_FontRequest request;
  request.faceName = "Arial";
  request.height = cellHeight;
  auto font = std::make_unique<LICE_CachedFont>();
  font->AttachNativeFont(LICE_PlatformFont::Create(request).release(), fontFlags);
  return font;
}

inline bool SamePixels(LICE_IBitmap& a, LICE_IBitmap& b)
{
  if (a.Width() != b.Width() || a.Height() != b.Height())
    return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (PixelAt(a, x, y) != PixelAt(b, x, y))
        return false;
  return true;
}
