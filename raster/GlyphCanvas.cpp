#include "raster/GlyphCanvas.h"

#include <algorithm>

namespace
{
// Constant-initialised and never destroyed dynamically, so fonts released by
// other objects at process exit still find the lock and the count intact.
constinit std::mutex gLock;
constinit int gFontCount = 0;
constinit LICE_SysBitmap* gCanvas = nullptr;
} // namespace

namespace GlyphCanvas
{
std::mutex& Lock() { return gLock; }

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
