#pragma once

#include "raster/LICE_Pixel.h"

// The platform half of LICE_SysBitmap: a memory drawing context and the
// pixel store selected into it. Each platform implements this class under
// platform/<os>/ (on Windows a memory DC with a top-down 32-bit DIB section),
// so LICE_SysBitmap itself stays portable.
class LICE_SysBitmapSurface
{
public:
  // Creates the drawing context; HasContext() tells whether that worked.
  LICE_SysBitmapSurface();
  // Releases the pixel store, then the context.
  ~LICE_SysBitmapSurface();

  LICE_SysBitmapSurface(const LICE_SysBitmapSurface&) = delete;
  LICE_SysBitmapSurface& operator=(const LICE_SysBitmapSurface&) = delete;

  bool HasContext() const;
  // What the bitmap hands out as its native context; none where the
  // platform needs no context to reach the pixels.
  void* Context() const;
  // Replaces the pixel store by one of rowStride x height pixels, rows top
  // down, whose byte count the caller has checked to fit an int32. None on
  // failure.
  LICE_pixel* CreatePixels(int rowStride, int height);
  void ReleasePixels();

private:
  struct Native;
  Native* native_;
};
