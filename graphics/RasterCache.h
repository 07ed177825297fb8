#pragma once

#include "graphics/ProcessCache.h"
#include "raster/LICE_Bitmap.h"

// Decoded pictures by resource id.
ProcessCache<int, LICE_IBitmap>& RasterCache();

// A picture of no pixels, for resources that could not be loaded.
LICE_IBitmap* EmptyRaster();
