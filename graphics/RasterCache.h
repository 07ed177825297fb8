#pragma once

#include "raster/LICE_Bitmap.h"

#include <memory>

// Decoded pictures by resource id, shared by every editor of the process and
// kept for its life. The lock is held only while searching or appending,
// never while decoding.
namespace RasterCache
{
// The first raster cached for `resourceId`, or none.
LICE_IBitmap* Find(int resourceId);
// Keeps `raster`; returns it.
LICE_IBitmap* Append(int resourceId, std::unique_ptr<LICE_IBitmap> raster);
// A picture of no pixels, for resources that could not be loaded.
LICE_IBitmap* EmptyRaster();
} // namespace RasterCache
