#include "tools/artwork/CairoHandles.h"
#include "tools/artwork/FilmStrip.h"
#include "tools/artwork/Pictures.h"

#include <cmath>
#include <numbers>

namespace velkor::artwork {

namespace {

constexpr int size = 120;
constexpr int frameCount = 73;
constexpr double centre = size / 2.0;
constexpr double skirtRadius = 32;
constexpr double capRadius = 23;
constexpr double sweep = 270 * std::numbers::pi / 180;

// Spun metal throws two bright lobes where it faces the light. Thin unsmoothed
// wedges inside a smooth clip give the sweep without seams between them.
void paintSpunSheen(cairo_t* cr) {
  cairo_save(cr);
  circle(cr, centre, centre, capRadius);
  cairo_clip(cr);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  const int wedges = 180;
  const double lightFrom = -0.75 * std::numbers::pi;
  for (int i = 0; i < wedges; ++i) {
    const double a = 2 * std::numbers::pi * i / wedges;
    const double facing = std::cos(2 * (a - lightFrom));
    const double strength = facing > 0 ? std::pow(facing, 3) : 0;
    const double width = std::numbers::pi / wedges * 1.5;
    cairo_move_to(cr, centre, centre);
    cairo_arc(cr, centre, centre, capRadius + 1, a - width, a + width);
    cairo_close_path(cr);
    setColour(cr, strength > 0 ? rgb(0xFFFFFF) : rgb(0x000000), strength > 0 ? 0.3 * strength : 0.06);
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

// The parts that do not turn: the shadow, the skirt's lighting and the spun cap.
Surface paintBody(int scale) {
  Surface body = makeImage(size, size, scale);
  Context context = makeContext(body);
  cairo_t* cr = context.get();

  circle(cr, centre + 2, centre + 4, skirtRadius + 6);
  setRadial(cr, centre + 2, centre + 4, skirtRadius - 4, skirtRadius + 6,
            {{0, rgb(0x000000), 0.5}, {1, rgb(0x000000), 0}});
  cairo_fill(cr);

  circle(cr, centre, centre, skirtRadius);
  setLinear(cr, centre - skirtRadius, centre - skirtRadius, centre + skirtRadius, centre + skirtRadius,
            {{0, rgb(0x4A4845)}, {0.5, rgb(0x1C1B1A)}, {1, rgb(0x0B0B0B)}});
  cairo_fill(cr);

  circle(cr, centre, centre, capRadius + 3);
  setLinear(cr, 0, centre - capRadius, 0, centre + capRadius,
            {{0, rgb(0x5E5C58)}, {1, rgb(0x070707)}});
  cairo_fill(cr);

  circle(cr, centre, centre, capRadius);
  setLinear(cr, centre - capRadius, centre - capRadius, centre + capRadius, centre + capRadius,
            {{0, rgb(0xF2F1EE)}, {0.5, rgb(0xB9B7B2)}, {1, rgb(0x7C7A76)}});
  cairo_fill(cr);

  Noise noise{7};
  cairo_set_line_width(cr, 0.5);
  for (double r = 1.5; r < capRadius; r += 0.75) {
    circle(cr, centre, centre, r);
    setColour(cr, noise.next() < 0.5 ? rgb(0xFFFFFF) : rgb(0x000000), noise.between(0.02, 0.09));
    cairo_stroke(cr);
  }
  paintSpunSheen(cr);
  return body;
}

void paintKnurls(cairo_t* cr, double angle) {
  cairo_set_line_width(cr, 1.0);
  const int count = 40;
  for (int i = 0; i < count; ++i) {
    const double a = angle + 2 * std::numbers::pi * i / count;
    const double light = 0.5 + 0.5 * std::cos(a + 0.75 * std::numbers::pi);
    const double dx = std::sin(a);
    const double dy = -std::cos(a);
    cairo_move_to(cr, centre + dx * (capRadius + 4), centre + dy * (capRadius + 4));
    cairo_line_to(cr, centre + dx * (skirtRadius - 0.6), centre + dy * (skirtRadius - 0.6));
    setColour(cr, rgb(0xFFFFFF), 0.05 + 0.16 * light);
    cairo_stroke(cr);
  }
}

void paintPointer(cairo_t* cr, double angle) {
  const double dx = std::sin(angle);
  const double dy = -std::cos(angle);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, 3.2);
  cairo_move_to(cr, centre + dx * (capRadius + 3.5), centre + dy * (capRadius + 3.5));
  cairo_line_to(cr, centre + dx * (skirtRadius - 2.5), centre + dy * (skirtRadius - 2.5));
  setColour(cr, rgb(0xF6F1E4));
  cairo_stroke(cr);

  cairo_set_line_width(cr, 2.6);
  cairo_move_to(cr, centre + dx * 5 + 0.5, centre + dy * 5 + 0.8);
  cairo_line_to(cr, centre + dx * (capRadius - 3) + 0.5, centre + dy * (capRadius - 3) + 0.8);
  setColour(cr, rgb(0xFFFFFF), 0.6);
  cairo_stroke(cr);
  cairo_move_to(cr, centre + dx * 5, centre + dy * 5);
  cairo_line_to(cr, centre + dx * (capRadius - 3), centre + dy * (capRadius - 3));
  setColour(cr, rgb(0x1A1918));
  cairo_stroke(cr);
}

}  // namespace

Surface drawKnob(int scale) {
  const Surface body = paintBody(scale);
  return stackFrames(size, size, frameCount, scale, [&](cairo_t* cr, int frame) {
    const double value = frame / static_cast<double>(frameCount - 1);
    const double angle = -sweep / 2 + sweep * value;
    cairo_set_source_surface(cr, body.get(), 0, 0);
    cairo_paint(cr);
    paintKnurls(cr, angle);
    paintPointer(cr, angle);
  });
}

}  // namespace velkor::artwork
