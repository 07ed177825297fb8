#pragma once

#include "raster/LICE_Bitmap.h"
#include "raster/LICE_SysBitmapSurface.h"

// A bitmap whose pixels the platform can also draw into and copy to a window:
// the editor's drawing surface and the text code's glyph canvas. Rows are
// padded to multiples of 4 pixels; the storage never shrinks.
class LICE_SysBitmap final : public LICE_IBitmap
{
public:
  LICE_SysBitmap() = default;
  ~LICE_SysBitmap() override = default;

  LICE_pixel* PixelData() override { return pixels_; }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  int RowStride() const override { return allocatedWidth_; }
  bool SetSize(int width, int height) override;
  void* NativeContext() override { return surface_.Context(); }

private:
  // Leaves the bitmap 0 x 0 without pixels.
  void Clear();

  int width_ = 0;
  int height_ = 0;
  LICE_SysBitmapSurface surface_;
  LICE_pixel* pixels_ = nullptr;
  int allocatedWidth_ = 0;
  int allocatedHeight_ = 0;
};
