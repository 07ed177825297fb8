#include "raster/GlyphStore.h"

#include <climits>
#include <cstdint>
#include <cstdlib>

GlyphStore::~GlyphStore() { std::free(data_); }

int GlyphStore::Append(int bytes)
{
  if (bytes < 0 || bytes > INT_MAX - size_)
    return -1;
  const int needed = size_ + bytes;
  if (needed > capacity_)
  {
    const std::int64_t doubled = std::int64_t{capacity_} * 2;
    const int grown = doubled >= needed && doubled <= INT_MAX ? static_cast<int>(doubled) : needed;
    auto* moved = static_cast<unsigned char*>(std::realloc(data_, static_cast<std::size_t>(grown)));
    if (moved == nullptr)
      return -1;
    data_ = moved;
    capacity_ = grown;
  }
  const int offset = size_;
  size_ = needed;
  return offset;
}
