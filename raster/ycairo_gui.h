#pragma once

#include "core/IRectI.h"

#include <cairo.h>

class IPlugBase;

// The part of a control that draws with cairo on its plug-in's canvas,
// clipped to the control's rectangle.
class ycairo_gui
{
public:
  // `rect` is the control's own draw rectangle and must outlive this part.
  ycairo_gui(IPlugBase& plug, const IRectI& rect);

  ycairo_gui(const ycairo_gui&) = delete;
  ycairo_gui& operator=(const ycairo_gui&) = delete;

  // The canvas's context, clipped to the rectangle; none while the plug-in
  // has no bound canvas. Pair with EndCairoClip.
  cairo_t* BeginCairoClip();
  void EndCairoClip();

private:
  const IRectI& rect_;
  IPlugBase& plug_;
  cairo_surface_t* surface_ = nullptr;
  cairo_t* context_ = nullptr;
};
