#pragma once

#include "raster/LICE_CachedFont.h"

#include <memory>
#include <string>

// Fonts by (size, orientation, style, name), shared by every editor of the
// process and kept for its life. Quality is not part of the key.
namespace FontCache
{
struct Key
{
  int size = 0;
  int orientation = 0;
  int style = 0;
  std::string name;

  bool operator==(const Key&) const = default;
};

// The first font cached under `key`, or none.
LICE_CachedFont* Find(const Key& key);
// Keeps `font`; returns it.
LICE_CachedFont* Append(const Key& key, std::unique_ptr<LICE_CachedFont> font);
} // namespace FontCache
