#include "raster/LICE_SysBitmap.h"

#include "raster/PixelArea.h"

#include <optional>

namespace
{
constexpr int kRowAlignMask = 3;
}

bool LICE_SysBitmap::SetSize(int width, int height)
{
  if (!surface_.HasContext())
  {
    Clear();
    return false;
  }
  if (width == width_ && height == height_)
    return false;

  width_ = width;
  height_ = height;
  if (width > 0 && height > 0 && pixels_ != nullptr && allocatedWidth_ >= width && allocatedHeight_ >= height)
    return true;

  surface_.ReleasePixels();
  pixels_ = nullptr;
  if (width < 1 || height < 1)
  {
    // A bitmap without pixels reports 0 x 0, so nobody sizes a pixel loop
    // from a width whose pixels do not exist.
    Clear();
    return false;
  }

  const std::optional<int> stride = PaddedRowStride(width, kRowAlignMask);
  if (stride && PixelAreaBytes(*stride, height))
  {
    pixels_ = surface_.CreatePixels(*stride, height);
    allocatedWidth_ = *stride;
    allocatedHeight_ = height;
  }
  if (pixels_ == nullptr)
    Clear();
  return true;
}

void LICE_SysBitmap::Clear()
{
  surface_.ReleasePixels();
  pixels_ = nullptr;
  width_ = 0;
  height_ = 0;
  allocatedWidth_ = 0;
  allocatedHeight_ = 0;
}
