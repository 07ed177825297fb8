#pragma once

#include "core/IRectI.h"
#include "raster/LICE_Bitmap.h"

#include <memory>
#include <optional>

// What the graphics core asks of the platform's font system.
struct LICE_FontRequest
{
  const char* faceName = "";
  // Cell height in pixels: ascent plus descent, as the line height reports it.
  int height = 0;
  // Tenths of a degree.
  int orientation = 0;
  // 400 normal, 700 bold.
  int weight = 400;
  bool italic = false;
  // 0 system default, 1 non-antialiased, 2 antialiased, 3 ClearType.
  int quality = 0;
};

struct LICE_GlyphCell
{
  int width = 0;
  int height = 0;
};

// Colours of a string handed to the platform whole.
struct LICE_NativeTextColours
{
  LICE_pixel text = 0;
  LICE_pixel background = 0;
  // 1 transparent, 2 opaque.
  int backgroundMode = 1;
};

// The platform half of LICE_CachedFont: a font of the platform's font system
// that can measure and draw one character at a time. Each platform implements
// this class under platform/<os>/ (on Windows a GDI font; on Linux a FreeType
// face over the font the module embeds).
class LICE_PlatformFont
{
public:
  // None when the platform refuses the request.
  static std::unique_ptr<LICE_PlatformFont> Create(const LICE_FontRequest& request);
  ~LICE_PlatformFont();

  LICE_PlatformFont(const LICE_PlatformFont&) = delete;
  LICE_PlatformFont& operator=(const LICE_PlatformFont&) = delete;

  // The font's cell height: ascent plus descent, in pixels.
  int LineHeight() const;
  // The character's cell: its advance and the font's cell height. Zero
  // width when the platform cannot measure it.
  LICE_GlyphCell MeasureGlyph(int code);
  // Draws the character in white with its cell's top-left corner at (x, y)
  // of a canvas cleared to black; ink outside the canvas is dropped.
  void DrawGlyph(int code, LICE_IBitmap& canvas, int x, int y);
  // Draws (or with TextMeasure, measures) a whole string through the
  // platform, as text drawing with `flags` does there. None where the
  // platform draws no strings itself or declines this one; `forced` asks it
  // not to decline for its own reasons.
  std::optional<int> DrawStringNative(LICE_IBitmap* target, const char* text, int length, IRectI& rect, int flags,
                                      const LICE_NativeTextColours& colours, bool forced);

private:
  struct Native;
  explicit LICE_PlatformFont(Native* native);

  Native* native_;
};
