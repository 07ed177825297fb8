#pragma once

#include "core/IRectI.h"
#include "tests/raster/BitmapFixture.h"
#include "raster/LICE_DecodePng.h"
#include "raster/ModuleResource.h"

#include <algorithm>
#include <map>
#include <memory>

// The editor's pictures as the module embeds them, decoded by the test.
inline std::unique_ptr<LICE_MemBitmap> Picture(int id)
{
  const ModuleResource png = FindModuleResource(id, "PNG");
  return LICE_DecodePng(png.data, png.size);
}

// The same, decoded once for the whole test program.
inline LICE_MemBitmap& SharedPicture(int id)
{
  static std::map<int, std::unique_ptr<LICE_MemBitmap>> decoded;
  std::unique_ptr<LICE_MemBitmap>& picture = decoded[id];
  if (picture == nullptr)
    picture = Picture(id);
  return *picture;
}

// A source-alpha copy at full weight, from the blend formulas.
inline LICE_pixel Over(LICE_pixel d, LICE_pixel s)
{
  const int sa = LICE_GetA(s);
  if (sa == 0)
    return d;
  if (sa == 255)
    return s;
  const auto mix = [sa](int sc, int dc) { return sc + (dc - sc) * (255 - sa) / 256; };
  return LICE_RGBA(mix(LICE_GetR(s), LICE_GetR(d)), mix(LICE_GetG(s), LICE_GetG(d)), mix(LICE_GetB(s), LICE_GetB(d)),
                   std::min(255, LICE_GetA(d) + sa));
}

// What the editor should show: the background with film-strip frames laid
// over it in drawing order, each a source-alpha copy. Rectangles are in
// editor pixels; at `scale` 2 the pictures are the embedded 2x drawings
// (`backgroundId` and the strip ids given), laid pixel for pixel.
class ExpectedPicture
{
public:
  explicit ExpectedPicture(int backgroundId = 101, int scale = 1) : picture_(Picture(backgroundId)), scale_(scale) {}

  ExpectedPicture& Layer(int stripId, const IRectI& rect, int frame)
  {
    LICE_MemBitmap& strip = SharedPicture(stripId);
    const IRectI shown = Scaled(rect);
    for (int y = shown.top; y < shown.bottom; ++y)
      for (int x = shown.left; x < shown.right; ++x)
        SetPixelAt(*picture_, x, y,
                   Over(PixelAt(*picture_, x, y),
                        PixelAt(strip, x - shown.left, (frame - 1) * shown.Height() + y - shown.top)));
    return *this;
  }

  int Differences(LICE_IBitmap& surface, const IRectI& rect) const
  {
    const IRectI shown = Scaled(rect);
    int differing = 0;
    for (int y = shown.top; y < shown.bottom; ++y)
      for (int x = shown.left; x < shown.right; ++x)
        differing += PixelAt(surface, x, y) != PixelAt(*picture_, x, y) ? 1 : 0;
    return differing;
  }

  LICE_MemBitmap& Pixels() const { return *picture_; }

private:
  IRectI Scaled(const IRectI& rect) const
  {
    return {rect.left * scale_, rect.top * scale_, rect.right * scale_, rect.bottom * scale_};
  }

  std::unique_ptr<LICE_MemBitmap> picture_;
  int scale_;
};
