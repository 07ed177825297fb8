#pragma once

#include "core/IRectI.h"
#include "raster/LICE_Pixel.h"

#include <cairo.h>

#include <string>

// The part of a control that prints one line of text with cairo in a face
// loaded from the module's own font resource.
class ycairo_text
{
public:
  ycairo_text() = default;
  ~ycairo_text();

  ycairo_text(const ycairo_text&) = delete;
  ycairo_text& operator=(const ycairo_text&) = delete;

  // Loads the face from resource `id` of numbered type `type`, replacing an
  // earlier one. Without it, text draws in cairo's current font.
  void LoadFontResource(int id, int type);
  bool FontLoaded() const { return fontFace_ != nullptr; }

  // Draws `text` (UTF-8) at `size` pixels in `colour` (0xAARRGGBB) inside
  // `rect`, aligned with CairoHAlign and CairoVAlign codes.
  void ShowTextInRect(cairo_t* cr, const char* text, double size, LICE_pixel colour, const IRectI& rect, int hAlign,
                      int vAlign);

  // Of the last ShowTextInRect.
  const std::string& Text() const { return text_; }
  const IRectI& TextRect() const { return textRect_; }
  const cairo_text_extents_t& TextExtents() const { return textExtents_; }
  const cairo_font_extents_t& FontExtents() const { return fontExtents_; }

private:
  void ReleaseFont();

  std::string text_;
  IRectI textRect_;
  // Holds the FreeType face: cairo frees it once neither this part nor any
  // of cairo's caches needs it any more.
  cairo_font_face_t* fontFace_ = nullptr;
  cairo_text_extents_t textExtents_{};
  cairo_font_extents_t fontExtents_{};
};
