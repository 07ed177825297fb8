#include "raster/CompositeWindow.h"

#include <algorithm>
#include <cstdint>

std::optional<CompositeWindow> ClipComposite(int destWidth, int destHeight, int srcWidth, int srcHeight, int destX,
                                             int destY, const IRectI* srcRect)
{
  // 64-bit so that extreme positions and rectangles clip instead of overflowing.
  std::int64_t dx = destX;
  std::int64_t dy = destY;
  std::int64_t sx0 = 0;
  std::int64_t sy0 = 0;
  std::int64_t sx1 = srcWidth;
  std::int64_t sy1 = srcHeight;

  if (srcRect != nullptr)
  {
    // A rectangle starting left of or above the source keeps its placement:
    // the destination moves by the part that is cut off.
    sx0 = srcRect->left;
    if (srcRect->left < 0)
    {
      dx -= srcRect->left;
      sx0 = 0;
    }
    sy0 = srcRect->top;
    if (srcRect->top < 0)
    {
      dy -= srcRect->top;
      sy0 = 0;
    }
    sx1 = std::min<std::int64_t>(srcRect->right, srcWidth);
    sy1 = std::min<std::int64_t>(srcRect->bottom, srcHeight);
  }

  if (dx < 0)
  {
    sx0 -= dx;
    dx = 0;
  }
  if (dy < 0)
  {
    sy0 -= dy;
    dy = 0;
  }

  if (sx1 <= sx0 || sy1 <= sy0 || dx >= destWidth || dy >= destHeight)
    return std::nullopt;

  sx1 = std::min(sx1, sx0 + destWidth - dx);
  sy1 = std::min(sy1, sy0 + destHeight - dy);
  if (sx1 <= sx0 || sy1 <= sy0)
    return std::nullopt;

  return CompositeWindow{static_cast<int>(dx),  static_cast<int>(dy),        static_cast<int>(sx0),
                         static_cast<int>(sy0), static_cast<int>(sx1 - sx0), static_cast<int>(sy1 - sy0)};
}
