#include "graphics/RasterCache.h"

#include "core/PlugLock.h"
#include "raster/LICE_MemBitmap.h"

#include <utility>
#include <vector>

namespace
{
struct CachedRaster
{
  int resourceId;
  std::unique_ptr<LICE_IBitmap> raster;
};

struct Cache
{
  PlugLock lock;
  std::vector<CachedRaster> entries;
};

Cache& TheCache()
{
  static Cache cache;
  return cache;
}
} // namespace

namespace RasterCache
{
LICE_IBitmap* Find(int resourceId)
{
  Cache& cache = TheCache();
  PlugLockGuard guard(cache.lock);
  for (const CachedRaster& entry : cache.entries)
    if (entry.resourceId == resourceId && entry.raster != nullptr)
      return entry.raster.get();
  return nullptr;
}

LICE_IBitmap* Append(int resourceId, std::unique_ptr<LICE_IBitmap> raster)
{
  Cache& cache = TheCache();
  LICE_IBitmap* kept = raster.get();
  PlugLockGuard guard(cache.lock);
  cache.entries.push_back({resourceId, std::move(raster)});
  return kept;
}

LICE_IBitmap* EmptyRaster()
{
  static LICE_MemBitmap empty;
  return &empty;
}
} // namespace RasterCache
