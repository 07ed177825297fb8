#pragma once

#include "tools/artwork/CairoHandles.h"

#include <functional>

namespace velkor::artwork {

// Frames stacked top to bottom; drawFrame sees a context whose origin is the
// frame's top-left corner and which is clipped to the frame.
Surface stackFrames(int frameWidth, int frameHeight, int frameCount,
                    const std::function<void(cairo_t*, int frameIndex)>& drawFrame);

}  // namespace velkor::artwork
