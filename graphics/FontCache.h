#pragma once

#include "graphics/ProcessCache.h"
#include "raster/LICE_CachedFont.h"

#include <string>

// Fonts are cached by (size, orientation, style, name); quality is not part
// of the key.
struct FontCacheKey
{
  int size = 0;
  int orientation = 0;
  int style = 0;
  std::string name;

  bool operator==(const FontCacheKey&) const = default;
};

ProcessCache<FontCacheKey, LICE_CachedFont>& FontCache();
