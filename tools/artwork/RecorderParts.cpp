#include "tools/artwork/RecorderParts.h"

#include <cmath>
#include <numbers>

namespace velkor::artwork::recorder {

void paintBackdrop(cairo_t* cr) {
  cairo_rectangle(cr, 0, 0, frameSize, frameSize);
  setRadial(cr, 90, 60, 10, 90, 80, 150,
            {{0, rgb(0x57514A)}, {0.6, rgb(0x36322E)}, {1, rgb(0x1E1C1A)}});
  cairo_fill(cr);
  cairo_rectangle(cr, 0, 158, frameSize, frameSize - 158);
  setLinear(cr, 0, 158, 0, frameSize, {{0, rgb(0x2A2623)}, {1, rgb(0x151311)}});
  cairo_fill(cr);
  setColour(cr, rgb(0xFFFFFF), 0.06);
  cairo_rectangle(cr, 0, 158, frameSize, 1);
  cairo_fill(cr);
}

void paintFloorShadow(cairo_t* cr, double cx, double width, double floorY) {
  cairo_save(cr);
  cairo_translate(cr, cx, floorY);
  cairo_scale(cr, width / 2, 6);
  circle(cr, 0, 0, 1);
  setRadial(cr, 0, 0, 0, 1, {{0, rgb(0x000000), 0.65}, {0.7, rgb(0x000000), 0.3}, {1, rgb(0x000000), 0}});
  cairo_fill(cr);
  cairo_restore(cr);
}

void paintBody(cairo_t* cr, Rect r, double radius, Colour base) {
  roundedRect(cr, r, radius);
  setLinear(cr, 0, r.y, 0, r.bottom(),
            {{0, scaled(base, 1.18)}, {0.04, scaled(base, 1.05)}, {0.6, base}, {1, scaled(base, 0.78)}});
  cairo_fill_preserve(cr);
  setColour(cr, rgb(0x000000), 0.45);
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
}

void paintReel(cairo_t* cr, double cx, double cy, double radius, const ReelLook& look, double turn) {
  circle(cr, cx + 1.5, cy + 2, radius);
  setColour(cr, rgb(0x000000), 0.35);
  cairo_fill(cr);

  circle(cr, cx, cy, radius * look.pack);
  setRadial(cr, cx, cy, radius * 0.2, radius * look.pack,
            {{0, rgb(0x5A3F28)}, {0.7, rgb(0x3C2818)}, {1, rgb(0x2A1C10)}});
  cairo_fill(cr);
  cairo_set_line_width(cr, 0.4);
  for (double rr = radius * 0.3; rr < radius * look.pack; rr += 1.6) {
    circle(cr, cx, cy, rr);
    setColour(cr, rgb(0xFFFFFF), 0.05);
    cairo_stroke(cr);
  }

  cairo_save(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  circle(cr, cx, cy, radius);
  const double step = 2 * std::numbers::pi / look.windows;
  for (int i = 0; i < look.windows; ++i) {
    const double a = turn + step * i;
    if (look.roundHoles) {
      circle(cr, cx + std::cos(a) * radius * 0.6, cy + std::sin(a) * radius * 0.6, radius * 0.2);
    } else {
      const double half = step * 0.34;
      cairo_new_sub_path(cr);
      cairo_arc(cr, cx, cy, radius * 0.86, a - half, a + half);
      cairo_arc_negative(cr, cx, cy, radius * 0.36, a + half * 0.8, a - half * 0.8);
      cairo_close_path(cr);
    }
  }
  setLinear(cr, cx - radius, cy - radius, cx + radius, cy + radius,
            {{0, scaled(look.flange, 1.25)}, {0.45, look.flange}, {0.55, scaled(look.flange, 0.85)},
             {1, scaled(look.flange, 1.1)}});
  cairo_fill_preserve(cr);
  setColour(cr, rgb(0x000000), 0.35);
  cairo_set_line_width(cr, 0.6);
  cairo_stroke(cr);
  cairo_restore(cr);

  circle(cr, cx, cy, radius * 0.2);
  setRadial(cr, cx - 1, cy - 1, 0.5, cx, cy, radius * 0.2, {{0, scaled(look.hub, 1.4)}, {1, look.hub}});
  cairo_fill(cr);
  circle(cr, cx, cy, radius * 0.07);
  setColour(cr, rgb(0x111111));
  cairo_fill(cr);
  circle(cr, cx, cy, radius - 0.8);
  setColour(cr, rgb(0xFFFFFF), 0.25);
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
}

void paintTape(cairo_t* cr, std::initializer_list<std::pair<double, double>> points) {
  cairo_set_line_width(cr, 1.2);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  bool first = true;
  for (const auto& [x, y] : points) {
    if (first) {
      cairo_move_to(cr, x, y);
      first = false;
    } else {
      cairo_line_to(cr, x, y);
    }
  }
  setColour(cr, rgb(0x3A2616));
  cairo_stroke(cr);
}

void paintRoller(cairo_t* cr, double cx, double cy, double radius) {
  circle(cr, cx, cy, radius);
  setRadial(cr, cx - radius * 0.3, cy - radius * 0.3, 0.2, cx, cy, radius,
            {{0, rgb(0xF4F4F2)}, {0.7, rgb(0xA4A4A0)}, {1, rgb(0x5A5A58)}});
  cairo_fill(cr);
  circle(cr, cx, cy, radius * 0.35);
  setColour(cr, rgb(0x2A2A2A));
  cairo_fill(cr);
}

void paintHeadCover(cairo_t* cr, Rect r, Colour base) {
  roundedRect(cr, r, 2);
  setLinear(cr, 0, r.y, 0, r.bottom(), {{0, scaled(base, 1.4)}, {0.3, base}, {1, scaled(base, 0.7)}});
  cairo_fill(cr);
  setColour(cr, rgb(0xFFFFFF), 0.3);
  cairo_rectangle(cr, r.x + 2, r.y + 1, r.w - 4, 0.8);
  cairo_fill(cr);
}

void paintMeter(cairo_t* cr, Rect r, Colour face, Colour ink, double needle) {
  roundedRect(cr, r.inset(-1.2), 1.5);
  setColour(cr, rgb(0x0C0C0C));
  cairo_fill(cr);
  roundedRect(cr, r, 1);
  setRadial(cr, r.centreX(), r.bottom(), 1, r.centreX(), r.bottom(), r.w * 0.9,
            {{0, scaled(face, 1.12)}, {1, scaled(face, 0.8)}});
  cairo_fill(cr);
  const double px = r.centreX();
  const double py = r.bottom() + r.h * 0.45;
  const double reach = r.h * 1.1;
  cairo_set_line_width(cr, 0.6);
  setColour(cr, ink);
  cairo_new_sub_path(cr);
  cairo_arc(cr, px, py, reach * 0.92, -std::numbers::pi / 2 - 0.7, -std::numbers::pi / 2 + 0.45);
  cairo_stroke(cr);
  setColour(cr, rgb(0xC0261B));
  cairo_set_line_width(cr, 1.2);
  cairo_new_sub_path(cr);
  cairo_arc(cr, px, py, reach * 0.94, -std::numbers::pi / 2 + 0.45, -std::numbers::pi / 2 + 0.7);
  cairo_stroke(cr);
  const double a = -0.7 + 1.4 * needle;
  cairo_save(cr);
  roundedRect(cr, r, 1);
  cairo_clip(cr);
  setColour(cr, rgb(0x101010));
  cairo_set_line_width(cr, 0.7);
  cairo_move_to(cr, px, py);
  cairo_line_to(cr, px + std::sin(a) * reach, py - std::cos(a) * reach);
  cairo_stroke(cr);
  setLinear(cr, 0, r.y, 0, r.y + r.h * 0.5, {{0, rgb(0xFFFFFF), 0.3}, {1, rgb(0xFFFFFF), 0}});
  cairo_paint(cr);
  cairo_restore(cr);
}

void paintSmallKnob(cairo_t* cr, double cx, double cy, double radius, Colour base, double angle) {
  circle(cr, cx + 0.6, cy + 1, radius);
  setColour(cr, rgb(0x000000), 0.4);
  cairo_fill(cr);
  circle(cr, cx, cy, radius);
  setRadial(cr, cx - radius * 0.35, cy - radius * 0.4, 0.2, cx, cy, radius,
            {{0, scaled(base, 1.8)}, {0.6, base}, {1, scaled(base, 0.6)}});
  cairo_fill(cr);
  setColour(cr, rgb(0xFFFFFF), 0.85);
  cairo_set_line_width(cr, 0.8);
  cairo_move_to(cr, cx, cy);
  cairo_line_to(cr, cx + std::sin(angle) * radius * 0.85, cy - std::cos(angle) * radius * 0.85);
  cairo_stroke(cr);
}

void paintKey(cairo_t* cr, Rect r, Colour base) {
  roundedRect(cr, {r.x, r.y + 1, r.w, r.h}, 1);
  setColour(cr, rgb(0x000000), 0.5);
  cairo_fill(cr);
  roundedRect(cr, r, 1);
  setLinear(cr, 0, r.y, 0, r.bottom(), {{0, scaled(base, 1.35)}, {0.5, base}, {1, scaled(base, 0.75)}});
  cairo_fill(cr);
}

void paintLampDot(cairo_t* cr, double cx, double cy, Colour glow) {
  circle(cr, cx, cy, 2.6);
  setRadial(cr, cx, cy, 0.5, 2.6, {{0, glow, 0.7}, {1, glow, 0}});
  cairo_fill(cr);
  circle(cr, cx, cy, 1.1);
  setColour(cr, mix(glow, rgb(0xFFFFFF), 0.5));
  cairo_fill(cr);
}

}  // namespace velkor::artwork::recorder
