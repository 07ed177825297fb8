#include "platform/linux/X11Presenter.h"

#include "graphics/WindowRects.h"
#include "raster/LICE_Bitmap.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>

namespace
{
constexpr int kBitsPerPixel = 32;

// The source pixel a window pixel shows, kept inside the rows or columns drawn.
int SourceOf(int windowPixel, double scale, int first, int last)
{
  return std::clamp(static_cast<int>(std::floor((windowPixel + 0.5) / scale)), first, last);
}
} // namespace

X11Presenter::X11Presenter(const X11Connection& connection, Drawable target)
  : mConnection(connection), mTarget(target), mGc(XCreateGC(connection.Get(), target, 0, nullptr))
{
}

X11Presenter::~X11Presenter() { XFreeGC(mConnection.Get(), mGc); }

void X11Presenter::PutPixels(char* pixels, int rowPixels, int rows, int sourceX, int sourceY, const IRectI& target)
{
  XImage* image = XCreateImage(mConnection.Get(), mConnection.TrueColourVisual(), mConnection.Depth(), ZPixmap, 0,
                               pixels, static_cast<unsigned>(rowPixels), static_cast<unsigned>(rows), kBitsPerPixel,
                               rowPixels * 4);
  if (image == nullptr)
    return;
  // The words are in this machine's byte order; Xlib swaps for the server.
  image->byte_order = std::endian::native == std::endian::little ? LSBFirst : MSBFirst;
  XPutImage(mConnection.Get(), mTarget, mGc, image, sourceX, sourceY, target.left, target.top,
            static_cast<unsigned>(target.Width()), static_cast<unsigned>(target.Height()));
  // The pixels belong to the caller.
  image->data = nullptr;
  XDestroyImage(image);
}

void X11Presenter::Present(LICE_IBitmap& source, const IRectI& region, double scale)
{
  LICE_pixel* pixels = source.PixelData();
  const IRectI drawn = region.ClippedTo(source.Width(), source.Height());
  if (pixels == nullptr || drawn.Width() <= 0 || drawn.Height() <= 0 || source.IsBottomUp())
    return;
  char* bytes = reinterpret_cast<char*>(pixels);
  if (scale == 1.0 || !(scale > 0.0) || !std::isfinite(scale))
  {
    PutPixels(bytes, source.RowStride(), source.Height(), drawn.left, drawn.top, drawn);
    return;
  }

  const IRectI target = WindowRectFor(drawn, scale);
  const int width = target.Width();
  const int height = target.Height();
  mStretched.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  std::vector<int> columns(static_cast<std::size_t>(width));
  for (int x = 0; x < width; ++x)
    columns[static_cast<std::size_t>(x)] = SourceOf(target.left + x, scale, drawn.left, drawn.right - 1);
  for (int y = 0; y < height; ++y)
  {
    const int sourceRow = SourceOf(target.top + y, scale, drawn.top, drawn.bottom - 1);
    const LICE_pixel* row = pixels + static_cast<std::ptrdiff_t>(sourceRow) * source.RowStride();
    std::uint32_t* out = mStretched.data() + static_cast<std::ptrdiff_t>(y) * width;
    for (int x = 0; x < width; ++x)
      out[x] = row[columns[static_cast<std::size_t>(x)]];
  }
  PutPixels(reinterpret_cast<char*>(mStretched.data()), width, height, 0, 0, target);
}
