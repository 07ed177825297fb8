#include "raster/ycairo_gui.h"

#include "core/IPlugBase.h"
#include "raster/ycairo_canvas.h"

#include <cmath>

ycairo_gui::ycairo_gui(IPlugBase& plug, const IRectI& rect) : rect_(rect), plug_(plug) {}

cairo_t* ycairo_gui::BeginCairoClip()
{
  // Looked up at every draw: the plug-in may have bound its canvas again
  // since the last one.
  const auto* canvas = dynamic_cast<const ycairo_canvas*>(plug_.GetCanvas());
  surface_ = canvas != nullptr ? canvas->Surface() : nullptr;
  context_ = canvas != nullptr ? canvas->Context() : nullptr;
  if (context_ == nullptr)
    return nullptr;

  // The graphics core blits into the same pixels between cairo's draws; the
  // rectangle is in editor pixels, the surface's may be finer.
  double left = rect_.left;
  double top = rect_.top;
  double right = rect_.right;
  double bottom = rect_.bottom;
  cairo_user_to_device(context_, &left, &top);
  cairo_user_to_device(context_, &right, &bottom);
  const int deviceLeft = static_cast<int>(std::floor(left));
  const int deviceTop = static_cast<int>(std::floor(top));
  cairo_surface_mark_dirty_rectangle(surface_, deviceLeft, deviceTop, static_cast<int>(std::ceil(right)) - deviceLeft,
                                     static_cast<int>(std::ceil(bottom)) - deviceTop);
  cairo_new_path(context_);
  cairo_rectangle(context_, rect_.left, rect_.top, rect_.Width(), rect_.Height());
  cairo_clip(context_);
  return context_;
}

void ycairo_gui::EndCairoClip()
{
  if (context_ == nullptr)
    return;
  cairo_reset_clip(context_);
  cairo_surface_flush(surface_);
  surface_ = nullptr;
  context_ = nullptr;
}
