#pragma once

#include "core/IRectI.h"
#include "raster/LICE_Bitmap.h"

class LICE_PlatformFont;

// A font that lays out and draws UTF-8 strings into bitmaps. Colours are
// pixel words 0xAARRGGBB.
class LICE_IFont
{
public:
  virtual ~LICE_IFont() = default;

  // Adopts a platform font (or none) with FontFlags; forgets every glyph.
  virtual void AttachNativeFont(LICE_PlatformFont* font, int fontFlags) = 0;
  // Each setter returns the previous value.
  virtual LICE_pixel SetForeground(LICE_pixel colour) = 0;
  virtual LICE_pixel SetBackground(LICE_pixel colour) = 0;
  virtual LICE_pixel SetEffectColour(LICE_pixel colour) = 0;
  virtual int SetBackgroundMode(int mode) = 0;
  virtual void SetCombine(int compositeMode, float alpha) = 0;
  // Draws `text` (`length` bytes, or up to its terminating zero when
  // negative) inside `rect` with TextFlags into `target`, or only measures it
  // with TextMeasure. Returns the height drawn or measured.
  virtual int DrawString(LICE_IBitmap* target, const char* text, int length, IRectI& rect, int textFlags) = 0;
  virtual LICE_pixel Foreground() const = 0;
  virtual LICE_PlatformFont* NativeFont() const = 0;
  virtual int LineHeight() const = 0;
  // Draws one already rendered character with its pen at (x, y), inside `clip`.
  virtual bool DrawGlyph(LICE_IBitmap* target, int code, int x, int y, const IRectI& clip) = 0;

  LICE_IFont(const LICE_IFont&) = delete;
  LICE_IFont& operator=(const LICE_IFont&) = delete;

protected:
  LICE_IFont() = default;
};
