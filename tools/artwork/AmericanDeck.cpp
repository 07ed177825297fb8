#include "tools/artwork/Machines.h"
#include "tools/artwork/RecorderParts.h"

// A broad grey-green studio console on casters: wide transport with large
// six-hole reels, a rack of cream meters and chunky coloured keys.
namespace velkor::artwork::recorder {

void paintAmericanDeck(cairo_t* cr) {
  paintBackdrop(cr);
  paintFloorShadow(cr, 90, 160, 166);
  const Colour cabinet = rgb(0x6B7D73);
  paintBody(cr, {20, 70, 140, 90}, 2, cabinet);
  paintBody(cr, {12, 32, 156, 42}, 3, rgb(0x3E4843));

  paintTape(cr, {{22, 52}, {30, 66}, {150, 66}, {158, 52}});
  const ReelLook reel{rgb(0xC7CCD2), rgb(0x1E1E1E), 6, true, 0.86};
  paintReel(cr, 48, 40, 32, reel, 0.2);
  paintReel(cr, 132, 40, 32, reel, 0.9);
  paintRoller(cr, 30, 66, 3.5);
  paintRoller(cr, 150, 66, 3.5);
  paintHeadCover(cr, {72, 56, 36, 14}, rgb(0x9CA3A8));

  paintBody(cr, {30, 80, 120, 46}, 2, rgb(0x2B302D));
  paintMeter(cr, {37, 85, 50, 25}, rgb(0xEDE5CF), rgb(0x222222), 0.45);
  paintMeter(cr, {93, 85, 50, 25}, rgb(0xEDE5CF), rgb(0x222222), 0.6);
  for (int i = 0; i < 4; ++i) {
    paintSmallKnob(cr, 48 + 28 * i, 118, 4.2, rgb(0x1A1A1A), -0.5 + 0.35 * i);
  }
  paintLampDot(cr, 140, 118, rgb(0xFF4020));

  const Colour keys[] = {rgb(0x9A9E9C), rgb(0x9A9E9C), rgb(0x2E8A4A), rgb(0x9A9E9C), rgb(0xB02A22)};
  for (int i = 0; i < 5; ++i) {
    paintKey(cr, {44.0 + 19 * i, 132, 16, 9}, keys[i]);
  }
  setColour(cr, rgb(0x000000), 0.35);
  cairo_set_line_width(cr, 1);
  for (int i = 0; i < 9; ++i) {
    cairo_move_to(cr, 50 + 10 * i, 148.5);
    cairo_line_to(cr, 50 + 10 * i + 6, 148.5);
    cairo_move_to(cr, 50 + 10 * i, 152.5);
    cairo_line_to(cr, 50 + 10 * i + 6, 152.5);
  }
  cairo_stroke(cr);
  for (const double x : {30.0, 150.0}) {
    circle(cr, x, 164, 3.5);
    setColour(cr, rgb(0x111111));
    cairo_fill(cr);
  }
}

}  // namespace velkor::artwork::recorder
