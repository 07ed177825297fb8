#include "tools/artwork/Machines.h"
#include "tools/artwork/RecorderParts.h"

// A compact precision deck: pale grey case, slate-blue transport with tension
// arms, small dark reels, black-faced meters and square keys.
namespace velkor::artwork::recorder {

void paintSwissDeck(cairo_t* cr) {
  paintBackdrop(cr);
  paintFloorShadow(cr, 90, 160, 158);
  paintBody(cr, {14, 60, 152, 94}, 4, rgb(0xD9D5CB));
  paintBody(cr, {20, 64, 140, 52}, 2, rgb(0x2F3644));

  cairo_set_line_width(cr, 1.6);
  setColour(cr, rgb(0xB8BCC4));
  cairo_move_to(cr, 58, 108);
  cairo_line_to(cr, 68, 98);
  cairo_move_to(cr, 122, 108);
  cairo_line_to(cr, 112, 98);
  cairo_stroke(cr);
  paintTape(cr, {{28, 84}, {34, 104}, {68, 98}, {112, 98}, {146, 104}, {152, 84}});
  const ReelLook reel{rgb(0x3A3B40), rgb(0xC8CCD0), 3, false, 0.72};
  paintReel(cr, 46, 72, 22, reel, 0.9);
  paintReel(cr, 134, 72, 22, reel, 0.1);
  paintRoller(cr, 34, 104, 2.8);
  paintRoller(cr, 146, 104, 2.8);
  paintRoller(cr, 68, 98, 2.4);
  paintRoller(cr, 112, 98, 2.4);
  paintHeadCover(cr, {74, 92, 32, 14}, rgb(0x5A6478));

  for (int i = 0; i < 3; ++i) {
    paintSmallKnob(cr, 32 + 19 * i, 133, 6.5, rgb(0x1E1E20), -0.6 + 0.6 * i);
  }
  paintMeter(cr, {96, 122, 28, 15}, rgb(0x23272E), rgb(0xE8E8E8), 0.5);
  paintMeter(cr, {130, 122, 28, 15}, rgb(0x23272E), rgb(0xE8E8E8), 0.42);
  for (int i = 0; i < 6; ++i) {
    paintKey(cr, {86.0 + 12 * i, 142, 9, 8}, rgb(0xC9C6BE));
  }
  paintLampDot(cr, 90.5, 146, rgb(0x30C060));
  paintLampDot(cr, 138.5, 146, rgb(0xFF3020));
  setColour(cr, rgb(0x111111));
  cairo_rectangle(cr, 22, 154, 12, 3);
  cairo_rectangle(cr, 146, 154, 12, 3);
  cairo_fill(cr);
}

}  // namespace velkor::artwork::recorder
