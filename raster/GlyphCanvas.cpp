#include "raster/GlyphCanvas.h"

#include <algorithm>

namespace
{
// Constant-initialised and never destroyed dynamically, so fonts released by
// other objects at process exit still find the lock and the count intact.
constinit int gFontCount = 0;
constinit LICE_SysBitmap* gCanvas = nullptr;
} // namespace

namespace GlyphCanvas
{
std::mutex& Lock()
{
  // Made on first use and never destroyed, for the same reason; not a
  // constinit global, because std::mutex cannot be constant-initialised
  // with every thread library (mingw-w64's winpthreads).
  static std::mutex* const lock = new std::mutex;
  return *lock;
}

void FontCreated() { ++gFontCount; }

void FontDestroyed()
{
  if (--gFontCount > 0)
    return;
  delete gCanvas;
  gCanvas = nullptr;
}

LICE_SysBitmap* Acquire(int side)
{
  side = std::max(side, kMinimumSide);
  if (gCanvas == nullptr)
    gCanvas = new LICE_SysBitmap;
  if (gCanvas->Width() < side || gCanvas->Height() < side)
    gCanvas->SetSize(side, side);
  return gCanvas->PixelData() != nullptr ? gCanvas : nullptr;
}
} // namespace GlyphCanvas
