#include "tools/artwork/Machines.h"
#include "tools/artwork/RecorderParts.h"

// A tall black console with walnut trim: a bridge of eight meters on top,
// dark reels with red hubs, and a remote panel with a tape counter.
namespace velkor::artwork::recorder {

void paintSecondAmericanDeck(cairo_t* cr) {
  paintBackdrop(cr);
  paintFloorShadow(cr, 90, 140, 168);
  paintBody(cr, {34, 38, 112, 126}, 2, rgb(0x202022));
  fillWood(cr, {27, 38, 7, 126}, 31);
  fillWood(cr, {146, 38, 7, 126}, 32);

  paintBody(cr, {32, 12, 116, 24}, 2, rgb(0x141416));
  for (int i = 0; i < 8; ++i) {
    paintMeter(cr, {37.5 + 13.6 * i, 17, 11, 13}, rgb(0xF0CE80), rgb(0x2A2218), 0.3 + 0.05 * (i % 4));
  }

  paintBody(cr, {38, 42, 104, 62}, 2, rgb(0x2C2D30));
  paintTape(cr, {{44, 74}, {48, 96}, {132, 96}, {136, 74}});
  const ReelLook reel{rgb(0x6A6D72), rgb(0xB02420), 6, false, 0.8};
  paintReel(cr, 64, 68, 25, reel, 0.4);
  paintReel(cr, 116, 68, 25, reel, 1.0);
  paintRoller(cr, 48, 96, 3);
  paintRoller(cr, 132, 96, 3);
  paintHeadCover(cr, {74, 89, 32, 12}, rgb(0x45474C));

  paintBody(cr, {40, 108, 100, 48}, 2, rgb(0x3A3B3E));
  roundedRect(cr, {46, 113, 34, 11}, 1);
  setColour(cr, rgb(0x0A0606));
  cairo_fill(cr);
  setColour(cr, rgb(0xFF3A2A));
  cairo_set_line_width(cr, 0.9);
  for (int digit = 0; digit < 4; ++digit) {
    cairo_rectangle(cr, 49.5 + 7.5 * digit, 115.5, 3.5, 6);
  }
  cairo_stroke(cr);
  for (int i = 0; i < 3; ++i) {
    paintSmallKnob(cr, 96 + 14 * i, 118.5, 4, rgb(0xA8A8A4), -0.5 + 0.5 * i);
  }
  const Colour top[] = {rgb(0x8E8E8A), rgb(0x8E8E8A), rgb(0x8E8E8A), rgb(0x8E8E8A), rgb(0x2E8A4A), rgb(0xB02A22)};
  for (int i = 0; i < 6; ++i) {
    paintKey(cr, {46.0 + 15 * i, 130, 12, 8}, top[i]);
    paintKey(cr, {46.0 + 15 * i, 142, 12, 8}, i == 0 ? rgb(0xC8A030) : rgb(0x5A5A58));
  }
  paintBody(cr, {30, 162, 120, 6}, 1, rgb(0x111112));
}

}  // namespace velkor::artwork::recorder
