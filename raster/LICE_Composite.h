#pragma once

#include "core/IRectI.h"
#include "raster/LICE_Bitmap.h"

// The low byte selects the operator; ModeUseSourceAlpha makes each pixel's
// contribution proportional to the source pixel's alpha.
enum CompositeMode : int
{
  ModeCopy = 0,
  ModeAdd = 1,
  ModeDodge = 2,
  ModeUseSourceAlpha = 0x10000,
};

// Blends `srcRect` of `src` (none: all of it) onto `dest` at (destX, destY),
// clipped to both bitmaps, with weight `alpha` (1.0 full, 0.0 nothing).
void LICE_Composite(LICE_IBitmap* dest, LICE_IBitmap* src, int destX, int destY, const IRectI* srcRect, float alpha,
                    int mode);
