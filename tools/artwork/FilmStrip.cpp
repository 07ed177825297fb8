#include "tools/artwork/FilmStrip.h"

namespace velkor::artwork {

Surface stackFrames(int frameWidth, int frameHeight, int frameCount, int scale,
                    const std::function<void(cairo_t*, int frameIndex)>& drawFrame) {
  Surface strip = makeImage(frameWidth, frameHeight * frameCount, scale);
  Context cr = makeContext(strip);
  for (int i = 0; i < frameCount; ++i) {
    cairo_save(cr.get());
    cairo_translate(cr.get(), 0, static_cast<double>(frameHeight * i));
    cairo_rectangle(cr.get(), 0, 0, frameWidth, frameHeight);
    cairo_clip(cr.get());
    drawFrame(cr.get(), i);
    cairo_restore(cr.get());
  }
  return strip;
}

}  // namespace velkor::artwork
