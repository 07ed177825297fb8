#include "raster/LICE_SysBitmapSurface.h"

#include <cstddef>
#include <cstdlib>
#include <new>

// Linux has no memory drawing context to create: the surface is plain pixel
// memory that the window layer and the text code read and write directly.
struct LICE_SysBitmapSurface::Native
{
  LICE_pixel* pixels = nullptr;
};

LICE_SysBitmapSurface::LICE_SysBitmapSurface() : native_(new (std::nothrow) Native) {}

LICE_SysBitmapSurface::~LICE_SysBitmapSurface()
{
  if (native_ != nullptr)
    std::free(native_->pixels);
  delete native_;
}

bool LICE_SysBitmapSurface::HasContext() const { return native_ != nullptr; }

void* LICE_SysBitmapSurface::Context() const { return nullptr; }

LICE_pixel* LICE_SysBitmapSurface::CreatePixels(int rowStride, int height)
{
  ReleasePixels();
  if (native_ == nullptr || rowStride < 1 || height < 1)
    return nullptr;
  const std::size_t bytes = static_cast<std::size_t>(rowStride) * static_cast<std::size_t>(height) * sizeof(LICE_pixel);
  native_->pixels = static_cast<LICE_pixel*>(std::malloc(bytes));
  return native_->pixels;
}

void LICE_SysBitmapSurface::ReleasePixels()
{
  if (native_ == nullptr)
    return;
  std::free(native_->pixels);
  native_->pixels = nullptr;
}
