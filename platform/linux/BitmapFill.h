#pragma once

#include "core/IRectI.h"
#include "raster/LICE_Bitmap.h"

// Sets the pixels of `rect` that lie inside the bitmap to `colour`: the
// plain fills the menu and the value entry paint themselves with.
void FillRect(LICE_IBitmap& bitmap, IRectI rect, LICE_pixel colour);
