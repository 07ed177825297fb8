#pragma once

#include "raster/LICE_Pixel.h"

#include <cstdint>

// A 32-bit raster bitmap. Row r starts RowStride() * r pixels after
// PixelData() (or at row Height() - 1 - r when IsBottomUp()); pixels of a row
// beyond Width() are padding.
class LICE_IBitmap
{
public:
  virtual ~LICE_IBitmap() = default;

  // None when the bitmap has no pixels.
  virtual LICE_pixel* PixelData() = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual int RowStride() const = 0;
  virtual bool IsBottomUp() const { return false; }
  // True when the size changed; pixel contents are undefined afterwards.
  virtual bool SetSize(int width, int height) = 0;
  // The platform drawing context over the pixels, if the bitmap has one.
  virtual void* NativeContext() { return nullptr; }
  virtual std::intptr_t QueryExtension(int /*code*/, void* /*argument*/) { return 0; }

  LICE_IBitmap(const LICE_IBitmap&) = delete;
  LICE_IBitmap& operator=(const LICE_IBitmap&) = delete;

protected:
  LICE_IBitmap() = default;
};
