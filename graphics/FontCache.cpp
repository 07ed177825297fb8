#include "graphics/FontCache.h"

#include "core/PlugLock.h"

#include <utility>
#include <vector>

namespace
{
struct CachedFont
{
  FontCache::Key key;
  std::unique_ptr<LICE_CachedFont> font;
};

struct Cache
{
  PlugLock lock;
  std::vector<CachedFont> entries;
};

Cache& TheCache()
{
  static Cache cache;
  return cache;
}
} // namespace

namespace FontCache
{
LICE_CachedFont* Find(const Key& key)
{
  Cache& cache = TheCache();
  PlugLockGuard guard(cache.lock);
  for (const CachedFont& entry : cache.entries)
    if (entry.key == key)
      return entry.font.get();
  return nullptr;
}

LICE_CachedFont* Append(const Key& key, std::unique_ptr<LICE_CachedFont> font)
{
  Cache& cache = TheCache();
  LICE_CachedFont* kept = font.get();
  PlugLockGuard guard(cache.lock);
  cache.entries.push_back({key, std::move(font)});
  return kept;
}
} // namespace FontCache
