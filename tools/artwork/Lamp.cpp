#include "tools/artwork/FilmStrip.h"
#include "tools/artwork/Pictures.h"

#include <cmath>

namespace velkor::artwork {

namespace {

constexpr int size = 16;
constexpr int frameCount = 20;
constexpr double centre = size / 2.0;

void paintLamp(cairo_t* cr, double glow) {
  const double halo = std::pow(glow, 1.3);
  circle(cr, centre, centre, 8);
  setRadial(cr, centre, centre, 4.5, 8,
            {{0, rgb(0xFF5A1E), 0.75 * halo}, {0.5, rgb(0xFF3A12), 0.3 * halo}, {1, rgb(0xFF2000), 0}});
  cairo_fill(cr);

  circle(cr, centre, centre, 6.2);
  setColour(cr, rgb(0x120504));
  cairo_fill(cr);

  const Colour core = mix(rgb(0x5A1A12), rgb(0xFFF4C8), glow);
  const Colour body = mix(rgb(0x3C0E0A), rgb(0xFF6424), glow);
  const Colour rim = mix(rgb(0x1E0605), rgb(0xC8200C), glow);
  circle(cr, centre, centre, 5.4);
  setRadial(cr, centre - 0.8, centre - 0.8, 0.3, centre, centre, 5.4,
            {{0, core}, {0.45, body}, {1, rim}});
  cairo_fill(cr);

  stretchedCircle(cr, centre - 1.8, centre - 2.4, 1.3, 1.6);
  setColour(cr, rgb(0xFFFFFF), 0.55 - 0.2 * glow);
  cairo_fill(cr);
}

}  // namespace

Surface drawLamp(int scale) {
  return stackFrames(size, size, frameCount, scale, [](cairo_t* cr, int frame) {
    paintLamp(cr, frame / static_cast<double>(frameCount - 1));
  });
}

}  // namespace velkor::artwork
