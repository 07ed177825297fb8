#include "tools/artwork/Machines.h"
#include "tools/artwork/RecorderParts.h"

// An upright silver deck: big metal reels over a black electronics panel
// with twin amber meters and piano keys.
namespace velkor::artwork::recorder {

void paintJapaneseDeck(cairo_t* cr) {
  paintBackdrop(cr);
  paintFloorShadow(cr, 90, 136, 164);
  const Colour silver = rgb(0xC6C6C2);
  paintBody(cr, {30, 24, 120, 140}, 3, silver);
  setColour(cr, rgb(0x1A1A1C));
  cairo_rectangle(cr, 30, 24, 4, 140);
  cairo_rectangle(cr, 146, 24, 4, 140);
  cairo_fill(cr);

  paintTape(cr, {{40, 62}, {44, 88}, {136, 88}, {140, 62}});
  const ReelLook reel{rgb(0xB9BDC2), rgb(0x8C9AAE), 3, false, 0.78};
  paintReel(cr, 60, 50, 27, reel, 0.3);
  paintReel(cr, 120, 50, 27, reel, 1.3);
  paintRoller(cr, 44, 88, 3.2);
  paintRoller(cr, 136, 88, 3.2);
  paintHeadCover(cr, {72, 81, 36, 14}, rgb(0x3A3A3E));
  paintSmallKnob(cr, 118, 94, 3.2, rgb(0x202020), 0);

  paintBody(cr, {34, 104, 112, 56}, 2, rgb(0x1C1C1E));
  paintMeter(cr, {41, 109, 46, 22}, rgb(0xF2D38A), rgb(0x2A2218), 0.55);
  paintMeter(cr, {93, 109, 46, 22}, rgb(0xF2D38A), rgb(0x2A2218), 0.5);
  for (int i = 0; i < 5; ++i) {
    paintSmallKnob(cr, 48 + 21 * i, 141, 4, rgb(0xB0B0AC), -0.8 + 0.4 * i);
  }
  for (int i = 0; i < 6; ++i) {
    paintKey(cr, {43.0 + 16 * i, 149, 13, 7}, i == 4 ? rgb(0xB03028) : rgb(0xBDBDB8));
  }
  setColour(cr, rgb(0x111111));
  cairo_rectangle(cr, 38, 164, 10, 3);
  cairo_rectangle(cr, 132, 164, 10, 3);
  cairo_fill(cr);
}

}  // namespace velkor::artwork::recorder
