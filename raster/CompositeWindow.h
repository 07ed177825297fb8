#pragma once

#include "core/IRectI.h"

#include <optional>

// The part of a composite that lands inside both bitmaps: `width` x `height`
// pixels from (srcX, srcY) of the source onto (destX, destY) of the
// destination, all non-negative and inside the bitmaps.
struct CompositeWindow
{
  int destX = 0;
  int destY = 0;
  int srcX = 0;
  int srcY = 0;
  int width = 0;
  int height = 0;
};

// Clips a composite of `srcRect` (none: the whole source; right and bottom
// exclusive) placed at (destX, destY); none when nothing remains.
std::optional<CompositeWindow> ClipComposite(int destWidth, int destHeight, int srcWidth, int srcHeight, int destX,
                                             int destY, const IRectI* srcRect);
