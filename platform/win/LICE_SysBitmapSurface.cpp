#include "raster/LICE_SysBitmapSurface.h"

#include <windows.h>

#include <new>

// A memory DC with a top-down 32-bit DIB section selected into it: the
// window layer copies from the DC, GDI text can draw into it, and the pixels
// are plain memory for everything else.
struct LICE_SysBitmapSurface::Native
{
  HDC context = nullptr;
  HBITMAP bitmap = nullptr;
  // What the DC held before the DIB section; selected back before deleting it.
  HGDIOBJ previous = nullptr;
};

LICE_SysBitmapSurface::LICE_SysBitmapSurface() : native_(new (std::nothrow) Native)
{
  if (native_ != nullptr)
    native_->context = CreateCompatibleDC(nullptr);
}

LICE_SysBitmapSurface::~LICE_SysBitmapSurface()
{
  ReleasePixels();
  if (native_ != nullptr && native_->context != nullptr)
    DeleteDC(native_->context);
  delete native_;
}

bool LICE_SysBitmapSurface::HasContext() const { return native_ != nullptr && native_->context != nullptr; }

void* LICE_SysBitmapSurface::Context() const { return native_ != nullptr ? native_->context : nullptr; }

LICE_pixel* LICE_SysBitmapSurface::CreatePixels(int rowStride, int height)
{
  ReleasePixels();
  if (!HasContext() || rowStride < 1 || height < 1)
    return nullptr;

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = rowStride;
  // Negative: rows top down, as every bitmap of the system stores them.
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* pixels = nullptr;
  const HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
  if (bitmap == nullptr)
    return nullptr;
  if (pixels == nullptr)
  {
    DeleteObject(bitmap);
    return nullptr;
  }
  native_->bitmap = bitmap;
  native_->previous = SelectObject(native_->context, bitmap);
  return static_cast<LICE_pixel*>(pixels);
}

void LICE_SysBitmapSurface::ReleasePixels()
{
  if (native_ == nullptr || native_->bitmap == nullptr)
    return;
  if (native_->previous != nullptr)
    SelectObject(native_->context, native_->previous);
  DeleteObject(native_->bitmap);
  native_->bitmap = nullptr;
  native_->previous = nullptr;
}
