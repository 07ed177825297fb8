#pragma once

#include "raster/LICE_Bitmap.h"

// A bitmap in plain heap memory: pixel rows start 64-byte aligned and are
// padded to multiples of 4 pixels. The storage grows with 25 % headroom and
// never shrinks, so resizing within the allocation costs nothing.
class LICE_MemBitmap final : public LICE_IBitmap
{
public:
  LICE_MemBitmap() = default;
  ~LICE_MemBitmap() override;

  LICE_pixel* PixelData() override;
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  int RowStride() const override;
  bool SetSize(int width, int height) override;

private:
  // Makes room for at least `bytes` bytes of pixels; false when allocation fails.
  bool Reserve(int bytes);
  void Release();

  unsigned char* block_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  // Pixel bytes the block can hold; the block itself is 63 bytes larger so
  // that the pixels can start on a 64-byte boundary.
  int allocatedBytes_ = 0;
  int rowAlignMask_ = 3;
};
