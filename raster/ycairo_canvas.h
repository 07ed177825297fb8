#pragma once

#include "core/IPlugEditor.h"

#include <cairo.h>

// One per plug-in: a cairo context drawing straight into the editor's
// drawing surface. The surface's pixels belong to the editor, so whoever
// recreates the surface binds the canvas again.
class ycairo_canvas final : public IPlugCanvas
{
public:
  ycairo_canvas() = default;
  ~ycairo_canvas() override;

  ycairo_canvas(const ycairo_canvas&) = delete;
  ycairo_canvas& operator=(const ycairo_canvas&) = delete;

  // Wraps the editor's current drawing surface, releasing any earlier
  // wrapping, and paints it once with the clear colour. The context draws in
  // editor pixels, scaled to the surface's by the editor's draw scale.
  // Without pixels the canvas stays unbound.
  void BindCanvas(IPlugEditor& editor) override;

  // None while unbound.
  cairo_surface_t* Surface() const { return surface_; }
  cairo_t* Context() const { return context_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

  // Components 0..1; used by the next BindCanvas.
  void SetClearColour(double red, double green, double blue);

private:
  void Release();

  cairo_surface_t* surface_ = nullptr;
  cairo_t* context_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  double clearRed_ = 0.0;
  double clearGreen_ = 0.0;
  double clearBlue_ = 0.0;
};
