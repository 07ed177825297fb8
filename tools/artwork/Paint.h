#pragma once

#include <cairo.h>

#include <cstdint>
#include <initializer_list>

namespace velkor::artwork {

struct Colour {
  double r = 0;
  double g = 0;
  double b = 0;
};

// 0xRRGGBB, the way colours are picked in any paint program.
constexpr Colour rgb(std::uint32_t hex) {
  return {((hex >> 16) & 0xFF) / 255.0, ((hex >> 8) & 0xFF) / 255.0, (hex & 0xFF) / 255.0};
}

Colour mix(Colour a, Colour b, double t);
Colour scaled(Colour c, double factor);

struct Stop {
  double offset;
  Colour colour;
  double alpha = 1.0;
};

struct Rect {
  double x;
  double y;
  double w;
  double h;
  double right() const { return x + w; }
  double bottom() const { return y + h; }
  double centreX() const { return x + w / 2; }
  double centreY() const { return y + h / 2; }
  Rect inset(double d) const { return {x + d, y + d, w - 2 * d, h - 2 * d}; }
};

// Seeded so every run paints the same grain, and the PNGs stay byte-identical.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed ? seed : 1u) {}
  double next();
  double between(double low, double high) { return low + (high - low) * next(); }

 private:
  std::uint32_t state_;
};

void setColour(cairo_t* cr, Colour c, double alpha = 1.0);
void roundedRect(cairo_t* cr, Rect r, double radius);
void circle(cairo_t* cr, double cx, double cy, double radius);
// A circle of `radius` around (cx, cy), stretched to `widthFactor` times its width.
void stretchedCircle(cairo_t* cr, double cx, double cy, double radius, double widthFactor);

void setLinear(cairo_t* cr, double x0, double y0, double x1, double y1, std::initializer_list<Stop> stops);
void setRadial(cairo_t* cr, double cx, double cy, double r0, double r1, std::initializer_list<Stop> stops);
void setRadial(cairo_t* cr, double fx, double fy, double r0, double cx, double cy, double r1,
               std::initializer_list<Stop> stops);

// Horizontal satin streaks over a base colour, clipped to the current path.
void fillBrushedMetal(cairo_t* cr, Rect area, Colour base, std::uint32_t seed);
// Vertical walnut grain, clipped to the rectangle.
void fillWood(cairo_t* cr, Rect area, std::uint32_t seed);

// A window sunk into the panel: darker top-left edge, light lower-right lip.
void insetWindow(cairo_t* cr, Rect r, double radius, Colour fill);
// A soft shadow under a rounded shape, faked with stacked translucent outlines.
void softShadow(cairo_t* cr, Rect r, double radius, double spread, double strength);

}  // namespace velkor::artwork
