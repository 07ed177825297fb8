#include "graphics/ResampledTiles.h"

LICE_MemBitmap& ResampledTiles::Tile(LICE_IBitmap& source, const IRectI& area, const LICE_SampleGrid& grid, int width,
                                     int height)
{
  const Key key{&source, area.left, area.top, area.right, area.bottom, grid.originX, grid.originY, grid.step,
                width, height};
  if (const auto found = mTiles.find(key); found != mTiles.end())
    return *found->second;

  const std::size_t bytes = static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4u;
  if (mBytes + bytes > kMostBytes)
    Clear();
  auto tile = std::make_unique<LICE_MemBitmap>();
  tile->SetSize(width, height);
  LICE_Resample(*tile, source, area, grid);
  mBytes += bytes;
  return *mTiles.emplace(key, std::move(tile)).first->second;
}

void ResampledTiles::Clear()
{
  mTiles.clear();
  mBytes = 0;
}
