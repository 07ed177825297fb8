#pragma once

#include "core/IRectI.h"

// Editor pixels and window pixels at a display scale. A window pixel shows
// the editor pixel its position divided by the scale falls in, so an editor
// rectangle covers the window pixels from its scaled left and top (truncated)
// up to its scaled right and bottom (rounded up), and a window rectangle
// shows the editor pixels from its left and top over the scale (truncated)
// up to its right and bottom over the scale (rounded up). Rounding the far
// edges up keeps a fractional scale from leaving a stale column or row at
// the edge of a repainted area.
IRectI WindowRectFor(const IRectI& editor, double scale);
IRectI EditorRectFor(const IRectI& window, double scale);
// A whole number of editor pixels in window pixels, truncated.
int ScaledSize(int editorPixels, double scale);
