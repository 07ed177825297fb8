#include "platform/linux/BitmapFill.h"

#include <algorithm>
#include <cstddef>

void FillRect(LICE_IBitmap& bitmap, IRectI rect, LICE_pixel colour)
{
  rect = rect.ClippedTo(bitmap.Width(), bitmap.Height());
  for (int y = rect.top; y < rect.bottom; ++y)
    std::fill_n(bitmap.PixelData() + static_cast<std::ptrdiff_t>(y) * bitmap.RowStride() + rect.left,
                std::max(rect.Width(), 0), colour);
}
