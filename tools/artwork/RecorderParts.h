#pragma once

#include "tools/artwork/Paint.h"

#include <cairo.h>

#include <initializer_list>
#include <utility>

// Building blocks shared by the four machine portraits.
namespace velkor::artwork::recorder {

constexpr int frameSize = 180;

struct ReelLook {
  Colour flange;
  Colour hub;
  int windows;      // cut-outs in the flange
  bool roundHoles;  // round holes instead of wide sector windows
  double pack;      // tape pack radius as a fraction of the flange radius
};

void paintBackdrop(cairo_t* cr);
void paintFloorShadow(cairo_t* cr, double cx, double width, double floorY);

// A box lit from the upper left: light top edge, darker bottom, soft outline.
void paintBody(cairo_t* cr, Rect r, double radius, Colour base);
void paintReel(cairo_t* cr, double cx, double cy, double radius, const ReelLook& look, double turn);
void paintTape(cairo_t* cr, std::initializer_list<std::pair<double, double>> points);
void paintRoller(cairo_t* cr, double cx, double cy, double radius);
void paintHeadCover(cairo_t* cr, Rect r, Colour base);
void paintMeter(cairo_t* cr, Rect r, Colour face, Colour ink, double needle);
void paintSmallKnob(cairo_t* cr, double cx, double cy, double radius, Colour base, double angle);
void paintKey(cairo_t* cr, Rect r, Colour base);
void paintLampDot(cairo_t* cr, double cx, double cy, Colour glow);

}  // namespace velkor::artwork::recorder
