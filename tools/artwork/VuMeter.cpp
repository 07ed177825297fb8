#include "tape/Metering.h"
#include "tools/artwork/FilmStrip.h"
#include "tools/artwork/Pictures.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace velkor::artwork {

namespace {

constexpr int frameWidth = 250;
constexpr int frameHeight = 125;
constexpr int frameCount = 100;

constexpr Rect face{7, 7, 236, 111};
constexpr double pivotX = 125;
constexpr double pivotY = 155;
constexpr double scaleRadius = 110;
constexpr double domeRadius = 52;
constexpr double halfSweep = 48 * std::numbers::pi / 180;

// The clip lamp is laid over the face here (frame-local centre of the 16 x 16 lamp).
constexpr double lampX = 27;
constexpr double lampY = 100;

// The meters' own scale, so a printed mark sits where the needle stops for that reading.
double needlePosition(double vu) { return std::clamp(VuPosition(vu), 0.0, 1.0); }

// Radians from straight up; the needle turns linearly with its position.
double needleAngle(double position) { return -halfSweep + 2 * halfSweep * position; }

double angleOf(double vu) { return needleAngle(needlePosition(vu)); }

double pointX(double angle, double radius) { return pivotX + radius * std::sin(angle); }
double pointY(double angle, double radius) { return pivotY - radius * std::cos(angle); }

void arcBetween(cairo_t* cr, double fromVu, double toVu, double radius) {
  const double up = -std::numbers::pi / 2;
  cairo_new_sub_path(cr);
  cairo_arc(cr, pivotX, pivotY, radius, up + angleOf(fromVu), up + angleOf(toVu));
}

void radialTick(cairo_t* cr, double angle, double inner, double outer) {
  cairo_move_to(cr, pointX(angle, inner), pointY(angle, inner));
  cairo_line_to(cr, pointX(angle, outer), pointY(angle, outer));
  cairo_stroke(cr);
}

const Colour ink = rgb(0x1C1A17);
const Colour red = rgb(0xC0261B);

void paintBezel(cairo_t* cr) {
  roundedRect(cr, {0, 0, frameWidth, frameHeight}, 5);
  setLinear(cr, 0, 0, 0, frameHeight, {{0, rgb(0x3A3938)}, {0.08, rgb(0x1E1E1E)}, {1, rgb(0x0E0E0E)}});
  cairo_fill(cr);
  roundedRect(cr, face.inset(-3), 5);
  setLinear(cr, 0, face.y - 3, 0, face.bottom() + 3,
            {{0, rgb(0x0A0A0A)}, {0.6, rgb(0x2A2A2A)}, {1, rgb(0x8A8680)}});
  cairo_fill(cr);
  roundedRect(cr, face.inset(-1), 4);
  setColour(cr, rgb(0x050505));
  cairo_fill(cr);
}

void paintFace(cairo_t* cr) {
  roundedRect(cr, face, 3);
  setRadial(cr, pivotX, 92, 8, pivotX, 92, 175,
            {{0, rgb(0xFFF6D8)}, {0.45, rgb(0xF6E2A8)}, {0.85, rgb(0xE2BC6E)}, {1, rgb(0xC99A4E)}});
  cairo_fill(cr);
}

void paintScale(cairo_t* cr, const Lettering& lettering) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  setColour(cr, ink);
  cairo_set_line_width(cr, 1.3);
  arcBetween(cr, -20, 0, scaleRadius);
  cairo_stroke(cr);
  setColour(cr, red);
  cairo_set_line_width(cr, 5);
  arcBetween(cr, 0, 3, scaleRadius + 2.5);
  cairo_stroke(cr);

  struct Mark {
    double vu;
    const char* label;
  };
  const Mark marks[] = {{-20, "20"}, {-10, "10"}, {-7, "7"}, {-5, "5"}, {-3, "3"}, {-2, "2"},
                        {-1, "1"},   {0, "0"},    {1, "1"},  {2, "2"},  {3, "3"}};
  for (const Mark& mark : marks) {
    const double angle = angleOf(mark.vu);
    const bool inRed = mark.vu >= 0;
    setColour(cr, inRed ? red : ink);
    cairo_set_line_width(cr, mark.vu == 0 ? 2.0 : 1.5);
    radialTick(cr, angle, scaleRadius - 1, scaleRadius + (inRed ? 10 : 8));
    const TextStyle style{mark.vu == 0 ? Weight::bold : Weight::regular, 11, inRed ? red : ink};
    const double r = scaleRadius + 17;
    lettering.draw(cr, mark.label, pointX(angle, r), pointY(angle, r) + 4, style, Align::centre);
  }
  const double minorMarks[] = {-15, -4, -0.5, 0.5, 1.5, 2.5};
  for (const double vu : minorMarks) {
    setColour(cr, vu >= 0 ? red : ink);
    cairo_set_line_width(cr, 1.0);
    radialTick(cr, angleOf(vu), scaleRadius - 1, scaleRadius + 5);
  }

  const TextStyle signStyle{Weight::bold, 13, ink};
  lettering.draw(cr, "\u2212", pointX(angleOf(-20), scaleRadius + 17) - 16, pointY(angleOf(-20), scaleRadius + 17) + 4,
                 signStyle, Align::centre);
  lettering.draw(cr, "+", pointX(angleOf(3), scaleRadius + 17) + 14, pointY(angleOf(3), scaleRadius + 17) + 4,
                 {Weight::bold, 13, red}, Align::centre);

  lettering.draw(cr, "VU", pivotX, 94, {Weight::bold, 21, ink}, Align::centre);
}

void paintLampSeat(cairo_t* cr, const Lettering& lettering) {
  circle(cr, lampX, lampY + 0.8, 9.2);
  setColour(cr, rgb(0xFFFFFF), 0.45);
  cairo_fill(cr);
  circle(cr, lampX, lampY, 9);
  setLinear(cr, 0, lampY - 9, 0, lampY + 9, {{0, rgb(0x6E6A64)}, {0.5, rgb(0x2A2826)}, {1, rgb(0x4A4642)}});
  cairo_fill(cr);
  circle(cr, lampX, lampY, 7);
  setColour(cr, rgb(0x140807));
  cairo_fill(cr);
  // Below the lamp: beside it the resting needle would cross the word.
  lettering.draw(cr, "PEAK", lampX, lampY + 16.5, {Weight::bold, 7, red, 0.8}, Align::centre);
}

void paintNeedle(cairo_t* cr, double position) {
  const double angle = needleAngle(position);
  const double tip = scaleRadius + 8;
  const double tail = 30;
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (const double spread : {3.5, 2.0}) {
    setColour(cr, rgb(0x3A2A10), 0.10);
    cairo_set_line_width(cr, spread);
    cairo_move_to(cr, pointX(angle, tail) + 2.5, pointY(angle, tail) + 3.5);
    cairo_line_to(cr, pointX(angle, tip) + 2.5, pointY(angle, tip) + 3.5);
    cairo_stroke(cr);
  }
  setColour(cr, rgb(0x111111));
  cairo_set_line_width(cr, 1.4);
  cairo_move_to(cr, pointX(angle, tail), pointY(angle, tail));
  cairo_line_to(cr, pointX(angle, tip - 18), pointY(angle, tip - 18));
  cairo_stroke(cr);
  cairo_set_line_width(cr, 0.9);
  cairo_move_to(cr, pointX(angle, tip - 18), pointY(angle, tip - 18));
  cairo_line_to(cr, pointX(angle, tip), pointY(angle, tip));
  cairo_stroke(cr);
}

// The needle rises out of a dark dome centred on its hidden pivot.
void paintPivotCover(cairo_t* cr) {
  cairo_save(cr);
  roundedRect(cr, face, 3);
  cairo_clip(cr);
  circle(cr, pivotX, pivotY, domeRadius + 1.5);
  setColour(cr, rgb(0x3A2A10), 0.18);
  cairo_fill(cr);
  circle(cr, pivotX, pivotY, domeRadius);
  setLinear(cr, 0, pivotY - domeRadius, 0, face.bottom(), {{0, rgb(0x3E3C3A)}, {0.35, rgb(0x1C1B1A)}, {1, rgb(0x0C0C0C)}});
  cairo_fill(cr);
  cairo_new_sub_path(cr);
  cairo_arc(cr, pivotX, pivotY, domeRadius - 0.8, -std::numbers::pi * 0.8, -std::numbers::pi * 0.2);
  setColour(cr, rgb(0xFFFFFF), 0.18);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void paintGlass(cairo_t* cr) {
  cairo_save(cr);
  roundedRect(cr, face, 3);
  cairo_clip(cr);
  // Shade cast by the bezel onto the face.
  setLinear(cr, 0, face.y, 0, face.y + 10, {{0, rgb(0x000000), 0.35}, {1, rgb(0x000000), 0}});
  cairo_paint(cr);
  setLinear(cr, face.x, 0, face.x + 9, 0, {{0, rgb(0x000000), 0.25}, {1, rgb(0x000000), 0}});
  cairo_paint(cr);
  setLinear(cr, face.right(), 0, face.right() - 9, 0, {{0, rgb(0x000000), 0.25}, {1, rgb(0x000000), 0}});
  cairo_paint(cr);
  // Reflection of a window on the glass: a broad sheen across the top, brightest at the left.
  cairo_move_to(cr, face.x, face.y);
  cairo_line_to(cr, face.right(), face.y);
  cairo_line_to(cr, face.right(), face.y + 18);
  cairo_curve_to(cr, 170, face.y + 34, 90, face.y + 50, face.x, face.y + 58);
  cairo_close_path(cr);
  setLinear(cr, face.x, face.y, face.x + 120, face.y + 80,
            {{0, rgb(0xFFFFFF), 0.34}, {0.6, rgb(0xFFFFFF), 0.10}, {1, rgb(0xFFFFFF), 0.03}});
  cairo_fill(cr);
  cairo_restore(cr);
}

}  // namespace

Surface drawVuMeter(const Lettering& lettering, int scale) {
  Surface dial = makeImage(frameWidth, frameHeight, scale);
  {
    Context cr = makeContext(dial);
    paintBezel(cr.get());
    paintFace(cr.get());
    paintScale(cr.get(), lettering);
    paintLampSeat(cr.get(), lettering);
  }
  return stackFrames(frameWidth, frameHeight, frameCount, scale, [&](cairo_t* cr, int frame) {
    cairo_set_source_surface(cr, dial.get(), 0, 0);
    cairo_paint(cr);
    paintNeedle(cr, frame / static_cast<double>(frameCount - 1));
    paintPivotCover(cr);
    paintGlass(cr);
  });
}

}  // namespace velkor::artwork
