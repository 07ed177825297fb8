#include "tools/artwork/FilmStrip.h"
#include "tools/artwork/Pictures.h"

namespace velkor::artwork {

namespace {

constexpr int size = 42;
constexpr double centre = size / 2.0;

void paintBezel(cairo_t* cr) {
  circle(cr, centre + 0.5, centre + 1.5, 20.5);
  setRadial(cr, centre + 0.5, centre + 1.5, 17, 20.5, {{0, rgb(0x000000), 0.45}, {1, rgb(0x000000), 0}});
  cairo_fill(cr);
  circle(cr, centre, centre, 19);
  setLinear(cr, 4, 4, 38, 38,
            {{0, rgb(0xF4F3EF)}, {0.45, rgb(0xA9A7A2)}, {0.55, rgb(0x8E8C88)}, {1, rgb(0xD9D7D2)}});
  cairo_fill(cr);
  circle(cr, centre, centre, 16.6);
  setLinear(cr, 8, 8, 34, 34, {{0, rgb(0x6C6A66)}, {1, rgb(0xE6E4DF)}});
  cairo_fill(cr);
  circle(cr, centre, centre, 15.6);
  setColour(cr, rgb(0x121110));
  cairo_fill(cr);
}

void paintCapOff(cairo_t* cr) {
  circle(cr, centre, centre + 0.6, 13.6);
  setRadial(cr, centre - 3, centre - 4, 1, centre, centre, 14,
            {{0, rgb(0x8F7E66)}, {0.55, rgb(0x5C4C3A)}, {1, rgb(0x2C231B)}});
  cairo_fill(cr);
}

void paintCapOn(cairo_t* cr) {
  circle(cr, centre, centre, 15.6);
  setRadial(cr, centre, centre, 12, 15.6, {{0, rgb(0xFF9A2A), 0.9}, {1, rgb(0x6A2A06), 0.6}});
  cairo_fill(cr);
  circle(cr, centre, centre + 0.3, 13.8);
  setRadial(cr, centre - 2, centre - 2.5, 1, centre, centre, 14,
            {{0, rgb(0xFFFBE6)}, {0.3, rgb(0xFFD27A)}, {0.75, rgb(0xFFA032)}, {1, rgb(0xD96A12)}});
  cairo_fill(cr);
}

// Fresnel rings moulded into the lens catch the light whether it is lit or not.
void paintLensDetail(cairo_t* cr, bool lit) {
  cairo_set_line_width(cr, 0.6);
  for (double r = 3; r < 13; r += 2.5) {
    circle(cr, centre, centre, r);
    setColour(cr, lit ? rgb(0xFFFFFF) : rgb(0x000000), lit ? 0.18 : 0.12);
    cairo_stroke(cr);
  }
  stretchedCircle(cr, centre - 3.5, centre - 6.5, 3.6, 1.7);
  setRadial(cr, centre - 3.5, centre - 6.5, 0, centre - 3.5, centre - 6.5, 6,
            {{0, rgb(0xFFFFFF), lit ? 0.7 : 0.45}, {1, rgb(0xFFFFFF), 0}});
  cairo_fill(cr);
}

}  // namespace

Surface drawButton(int scale) {
  return stackFrames(size, size, 2, scale, [](cairo_t* cr, int frame) {
    const bool lit = frame == 1;
    paintBezel(cr);
    if (lit) {
      paintCapOn(cr);
    } else {
      paintCapOff(cr);
    }
    paintLensDetail(cr, lit);
  });
}

}  // namespace velkor::artwork
