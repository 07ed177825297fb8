#pragma once

#include "core/IRectI.h"

class LICE_IBitmap;

// Where each pixel of a resampled picture comes from, in source pixels
// (source pixel i covers i..i+1): destination pixel (x, y) shows the source
// around (originX + (x + 0.5) * step, originY + (y + 0.5) * step).
struct LICE_SampleGrid
{
  double originX = 0.0;
  double originY = 0.0;
  // Source pixels per destination pixel: below 1 enlarges, above 1 shrinks.
  double step = 1.0;
};

// Fills all of `dest` from `area` of `source` on `grid`, through a
// Catmull-Rom cubic (sharp, with little ringing) that is widened by the step
// when shrinking, so that every source pixel counts. Filtering is done with
// the colours weighted by alpha, so transparent pixels lend no colour to
// their neighbours, and samples beyond `area` repeat its edge pixels, so
// frames of a film strip never bleed into each other. A grid of step 1 whose
// origin is a whole pixel copies the pixels exactly.
void LICE_Resample(LICE_IBitmap& dest, LICE_IBitmap& source, const IRectI& area, const LICE_SampleGrid& grid);
