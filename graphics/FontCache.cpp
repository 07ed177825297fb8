#include "graphics/FontCache.h"

ProcessCache<FontCacheKey, LICE_CachedFont>& FontCache()
{
  static ProcessCache<FontCacheKey, LICE_CachedFont> cache;
  return cache;
}
