#pragma once

#include "tools/artwork/CairoHandles.h"

#include <functional>

namespace velkor::artwork {

// Frames stacked top to bottom; drawFrame sees a context whose origin is the
// frame's top-left corner and which is clipped to the frame. Sizes are in
// editor pixels; the strip holds `scale` times as many each way.
Surface stackFrames(int frameWidth, int frameHeight, int frameCount, int scale,
                    const std::function<void(cairo_t*, int frameIndex)>& drawFrame);

}  // namespace velkor::artwork
