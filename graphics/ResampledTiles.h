#pragma once

#include "core/IRectI.h"
#include "raster/LICE_MemBitmap.h"
#include "raster/LICE_Resample.h"

#include <cstddef>
#include <map>
#include <memory>
#include <tuple>

// The parts of pictures an editor has shown at a scale other than their
// own, each resampled once: a control shows the same frames over and over
// at the same place, so a moving meter costs a copy, not a filter.
class ResampledTiles
{
public:
  // Kept pixels above this are let go of all at once; what is shown again
  // is made again.
  static constexpr std::size_t kMostBytes = 96u << 20;

  // `area` of `source` on `grid`, `width` x `height` pixels.
  LICE_MemBitmap& Tile(LICE_IBitmap& source, const IRectI& area, const LICE_SampleGrid& grid, int width, int height);
  void Clear();

  std::size_t Count() const { return mTiles.size(); }

private:
  using Key = std::tuple<const LICE_IBitmap*, int, int, int, int, double, double, double, int, int>;

  std::map<Key, std::unique_ptr<LICE_MemBitmap>> mTiles;
  std::size_t mBytes = 0;
};
