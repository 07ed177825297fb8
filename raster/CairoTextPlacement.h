#pragma once

#include "core/IRectI.h"

// Where ShowTextInRect puts the pen, from cairo's extents, in unrounded
// double precision on the integer rectangle.

enum CairoHAlign : int
{
  CairoHAlignLeft = 0,
  CairoHAlignRight = 1,
  CairoHAlignCentre = 2,
};

enum CairoVAlign : int
{
  CairoVAlignMiddle = 0,
  CairoVAlignTop = 1,
  CairoVAlignBottom = 2,
};

// The pen's x for a text of `width` whose ink starts `xBearing` right of the pen.
inline double CairoPenX(const IRectI& rect, int hAlign, double width, double xBearing)
{
  switch (hAlign)
  {
  case CairoHAlignRight:
    return rect.right - width - xBearing;
  case CairoHAlignCentre:
    return (rect.right - rect.left - width - xBearing) * 0.5 + rect.left;
  default:
    return rect.left;
  }
}

// The baseline's y for a font of `ascent`, `descent` and line `height`.
inline double CairoBaselineY(const IRectI& rect, int vAlign, double ascent, double descent, double height)
{
  switch (vAlign)
  {
  case CairoVAlignTop:
    return rect.top + ascent;
  case CairoVAlignBottom:
    return rect.bottom - descent;
  default:
    return rect.bottom - ((rect.bottom - rect.top) - height) * 0.5 - descent;
  }
}
