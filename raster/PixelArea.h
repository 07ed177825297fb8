#pragma once

#include <climits>
#include <cstdint>
#include <optional>

// Pixels per row once the width is rounded up with the given alignment mask,
// and the bytes of a whole pixel area. Both are int32 quantities; a size that
// does not fit gives none, so callers treat it like an allocation failure
// instead of overflowing.
inline std::optional<int> PaddedRowStride(int width, int alignMask)
{
  const std::int64_t stride = (static_cast<std::int64_t>(width) + alignMask) & ~static_cast<std::int64_t>(alignMask);
  if (stride > INT_MAX)
    return std::nullopt;
  return static_cast<int>(stride);
}

inline std::optional<int> PixelAreaBytes(int rowStride, int height)
{
  const std::int64_t bytes = static_cast<std::int64_t>(rowStride) * height * 4;
  if (bytes > INT_MAX || bytes < INT_MIN)
    return std::nullopt;
  return static_cast<int>(bytes);
}
