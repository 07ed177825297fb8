#pragma once

#include "raster/LICE_SysBitmap.h"

#include <mutex>

// The process-wide canvas on which the platform draws single characters for
// every cached font, and the one lock that guards it together with the
// fonts' glyph tables (fonts are shared by every editor of the process).
// The canvas lives while any cached font exists.
namespace GlyphCanvas
{
constexpr int kMinimumSide = 256;

std::mutex& Lock();

// Cached fonts count themselves in and out; the canvas goes with the last.
// Callers hold Lock().
void FontCreated();
void FontDestroyed();

// The canvas, created or grown to at least `side` x `side` (and never below
// kMinimumSide); none when it has no pixels. Callers hold Lock().
LICE_SysBitmap* Acquire(int side);
} // namespace GlyphCanvas
