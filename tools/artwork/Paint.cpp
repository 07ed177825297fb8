#include "tools/artwork/Paint.h"

#include "tools/artwork/CairoHandles.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velkor::artwork {

Colour mix(Colour a, Colour b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour scaled(Colour c, double factor) {
  return {std::clamp(c.r * factor, 0.0, 1.0), std::clamp(c.g * factor, 0.0, 1.0),
          std::clamp(c.b * factor, 0.0, 1.0)};
}

double Noise::next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return state_ / 4294967296.0;
}

void setColour(cairo_t* cr, Colour c, double alpha) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

void roundedRect(cairo_t* cr, Rect r, double radius) {
  const double k = std::min(radius, std::min(r.w, r.h) / 2);
  constexpr double quarter = std::numbers::pi / 2;
  cairo_new_sub_path(cr);
  cairo_arc(cr, r.right() - k, r.y + k, k, -quarter, 0);
  cairo_arc(cr, r.right() - k, r.bottom() - k, k, 0, quarter);
  cairo_arc(cr, r.x + k, r.bottom() - k, k, quarter, 2 * quarter);
  cairo_arc(cr, r.x + k, r.y + k, k, 2 * quarter, 3 * quarter);
  cairo_close_path(cr);
}

void circle(cairo_t* cr, double cx, double cy, double radius) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy, radius, 0, 2 * std::numbers::pi);
  cairo_close_path(cr);
}

void stretchedCircle(cairo_t* cr, double cx, double cy, double radius, double widthFactor) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, widthFactor, 1.0);
  circle(cr, 0, 0, radius);
  cairo_restore(cr);
}

namespace {

void useStops(cairo_t* cr, cairo_pattern_t* raw, std::initializer_list<Stop> stops) {
  Pattern pattern{raw};
  for (const Stop& s : stops) {
    cairo_pattern_add_color_stop_rgba(pattern.get(), s.offset, s.colour.r, s.colour.g, s.colour.b, s.alpha);
  }
  cairo_set_source(cr, pattern.get());
}

}  // namespace

void setLinear(cairo_t* cr, double x0, double y0, double x1, double y1, std::initializer_list<Stop> stops) {
  useStops(cr, cairo_pattern_create_linear(x0, y0, x1, y1), stops);
}

void setRadial(cairo_t* cr, double cx, double cy, double r0, double r1, std::initializer_list<Stop> stops) {
  useStops(cr, cairo_pattern_create_radial(cx, cy, r0, cx, cy, r1), stops);
}

void setRadial(cairo_t* cr, double fx, double fy, double r0, double cx, double cy, double r1,
               std::initializer_list<Stop> stops) {
  useStops(cr, cairo_pattern_create_radial(fx, fy, r0, cx, cy, r1), stops);
}

void fillBrushedMetal(cairo_t* cr, Rect area, Colour base, std::uint32_t seed) {
  cairo_save(cr);
  cairo_clip_preserve(cr);
  setLinear(cr, 0, area.y, 0, area.bottom(),
            {{0, scaled(base, 1.06)}, {0.5, base}, {1, scaled(base, 0.92)}});
  cairo_fill(cr);
  Noise noise{seed};
  cairo_set_line_width(cr, 1.0);
  for (double y = area.y + 0.5; y < area.bottom(); y += 1.0) {
    double x = area.x;
    while (x < area.right()) {
      const double length = noise.between(20, 160);
      const double shade = noise.between(-1, 1);
      setColour(cr, shade > 0 ? rgb(0xFFFFFF) : rgb(0x000000), std::abs(shade) * 0.07);
      cairo_move_to(cr, x, y);
      cairo_line_to(cr, x + length, y);
      cairo_stroke(cr);
      x += length;
    }
  }
  cairo_restore(cr);
}

void fillWood(cairo_t* cr, Rect area, std::uint32_t seed) {
  cairo_save(cr);
  cairo_rectangle(cr, area.x, area.y, area.w, area.h);
  cairo_clip(cr);
  setLinear(cr, area.x, 0, area.right(), 0,
            {{0, rgb(0x3B2212)}, {0.35, rgb(0x5E3A1E)}, {0.7, rgb(0x6A4223)}, {1, rgb(0x3E2413)}});
  cairo_paint(cr);
  Noise noise{seed};
  for (int line = 0; line < 16; ++line) {
    const double x0 = noise.between(area.x, area.right());
    const double waviness = noise.between(0.3, 1.4);
    const double phase = noise.between(0, 6.3);
    const double period = noise.between(60, 180);
    const bool dark = noise.next() < 0.6;
    setColour(cr, dark ? rgb(0x20110A) : rgb(0x8A5A32), noise.between(0.18, 0.45));
    cairo_set_line_width(cr, noise.between(0.4, 1.3));
    cairo_move_to(cr, x0, area.y);
    for (double y = area.y; y <= area.bottom(); y += 3) {
      cairo_line_to(cr, x0 + waviness * std::sin(phase + y / period * 2 * std::numbers::pi), y);
    }
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

void insetWindow(cairo_t* cr, Rect r, double radius, Colour fill) {
  roundedRect(cr, r.inset(-1.5), radius + 1.5);
  setLinear(cr, 0, r.y - 1.5, 0, r.bottom() + 1.5,
            {{0, rgb(0x000000), 0.35}, {0.5, rgb(0x000000), 0.15}, {1, rgb(0xFFFFFF), 0.55}});
  cairo_fill(cr);
  roundedRect(cr, r, radius);
  setColour(cr, fill);
  cairo_fill(cr);
  cairo_save(cr);
  roundedRect(cr, r, radius);
  cairo_clip(cr);
  setLinear(cr, 0, r.y, 0, r.y + 4, {{0, rgb(0x000000), 0.22}, {1, rgb(0x000000), 0}});
  cairo_paint(cr);
  cairo_restore(cr);
}

void softShadow(cairo_t* cr, Rect r, double radius, double spread, double strength) {
  const int steps = 8;
  for (int i = steps; i >= 1; --i) {
    const double grow = spread * i / steps;
    roundedRect(cr, r.inset(-grow), radius + grow);
    setColour(cr, rgb(0x000000), strength / steps);
    cairo_fill(cr);
  }
}

}  // namespace velkor::artwork
