#include "graphics/RasterCache.h"

#include "raster/LICE_MemBitmap.h"

ProcessCache<int, LICE_IBitmap>& RasterCache()
{
  static ProcessCache<int, LICE_IBitmap> cache;
  return cache;
}

LICE_IBitmap* EmptyRaster()
{
  static LICE_MemBitmap empty;
  return &empty;
}
