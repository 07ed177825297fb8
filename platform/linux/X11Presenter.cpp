#include "platform/linux/X11Presenter.h"

#include "raster/LICE_Bitmap.h"

#include <bit>

namespace
{
constexpr int kBitsPerPixel = 32;
} // namespace

X11Presenter::X11Presenter(const X11Connection& connection, Drawable target)
  : mConnection(connection), mTarget(target), mGc(XCreateGC(connection.Get(), target, 0, nullptr))
{
}

X11Presenter::~X11Presenter() { XFreeGC(mConnection.Get(), mGc); }

void X11Presenter::Present(LICE_IBitmap& source, const IRectI& region)
{
  LICE_pixel* pixels = source.PixelData();
  const IRectI drawn = region.ClippedTo(source.Width(), source.Height());
  if (pixels == nullptr || drawn.Width() <= 0 || drawn.Height() <= 0 || source.IsBottomUp())
    return;
  XImage* image = XCreateImage(mConnection.Get(), mConnection.TrueColourVisual(), mConnection.Depth(), ZPixmap, 0,
                               reinterpret_cast<char*>(pixels), static_cast<unsigned>(source.RowStride()),
                               static_cast<unsigned>(source.Height()), kBitsPerPixel, source.RowStride() * 4);
  if (image == nullptr)
    return;
  // The words are in this machine's byte order; Xlib swaps for the server.
  image->byte_order = std::endian::native == std::endian::little ? LSBFirst : MSBFirst;
  XPutImage(mConnection.Get(), mTarget, mGc, image, drawn.left, drawn.top, drawn.left, drawn.top,
            static_cast<unsigned>(drawn.Width()), static_cast<unsigned>(drawn.Height()));
  // The pixels belong to the caller.
  image->data = nullptr;
  XDestroyImage(image);
}
