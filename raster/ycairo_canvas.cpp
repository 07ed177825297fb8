#include "raster/ycairo_canvas.h"

#include "raster/LICE_Bitmap.h"

ycairo_canvas::~ycairo_canvas() { Release(); }

void ycairo_canvas::Release()
{
  if (context_ != nullptr)
    cairo_destroy(context_);
  if (surface_ != nullptr)
    cairo_surface_destroy(surface_);
  context_ = nullptr;
  surface_ = nullptr;
  width_ = 0;
  height_ = 0;
}

void ycairo_canvas::SetClearColour(double red, double green, double blue)
{
  clearRed_ = red;
  clearGreen_ = green;
  clearBlue_ = blue;
}

void ycairo_canvas::BindCanvas(IPlugEditor& editor)
{
  Release();
  LICE_IBitmap* drawingSurface = editor.DrawingSurface();
  if (drawingSurface == nullptr || drawingSurface->PixelData() == nullptr || drawingSurface->IsBottomUp())
    return;

  // cairo reads the 32-bit pixels as x8r8g8b8: bytes blue, green, red, and a
  // fourth it ignores; rows must be as long as the bitmap's.
  const int stride = cairo_format_stride_for_width(CAIRO_FORMAT_RGB24, drawingSurface->RowStride());
  if (stride != drawingSurface->RowStride() * 4)
    return;
  cairo_surface_t* surface =
    cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(drawingSurface->PixelData()),
                                        CAIRO_FORMAT_RGB24, drawingSurface->Width(), drawingSurface->Height(), stride);
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS)
  {
    cairo_surface_destroy(surface);
    return;
  }
  cairo_t* context = cairo_create(surface);
  if (cairo_status(context) != CAIRO_STATUS_SUCCESS)
  {
    cairo_destroy(context);
    cairo_surface_destroy(surface);
    return;
  }
  surface_ = surface;
  context_ = context;
  width_ = drawingSurface->Width();
  height_ = drawingSurface->Height();

  cairo_set_source_rgb(context_, clearRed_, clearGreen_, clearBlue_);
  cairo_rectangle(context_, 0, 0, width_, height_);
  cairo_fill(context_);
  cairo_surface_flush(surface_);
  // Controls draw in editor pixels; cairo turns them into the surface's,
  // so text and shapes come out at the window's resolution.
  const double scale = editor.DrawScale();
  if (scale != 1.0 && scale > 0.0)
    cairo_scale(context_, scale, scale);
}
