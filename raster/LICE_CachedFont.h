#pragma once

#include "core/IRectI.h"
#include "raster/GlyphRecord.h"
#include "raster/GlyphStore.h"
#include "raster/LICE_Bitmap.h"

#include <array>
#include <optional>
#include <vector>

class LICE_PlatformFont;

// A font that lays out and draws UTF-8 strings into bitmaps; colours are
// pixel words 0xAARRGGBB. It renders each character once through the
// platform into an 8-bit coverage mask, caches the masks, and afterwards lays
// out and blends strings into any bitmap without the platform. Where the
// platform can draw whole strings (and the flags allow it), strings go to the
// platform instead.
class LICE_CachedFont
{
public:
  LICE_CachedFont();
  ~LICE_CachedFont();

  LICE_CachedFont(const LICE_CachedFont&) = delete;
  LICE_CachedFont& operator=(const LICE_CachedFont&) = delete;

  // Adopts a platform font (or none) with FontFlags; forgets every glyph.
  void AttachNativeFont(LICE_PlatformFont* font, int fontFlags);
  // Returns the previous text colour.
  LICE_pixel SetForeground(LICE_pixel colour);
  // Draws `text` (`length` bytes, or up to its terminating zero when
  // negative) inside `rect` with TextFlags into `target`, or only measures it
  // with TextMeasure. Returns the height drawn or measured.
  int DrawString(LICE_IBitmap* target, const char* text, int length, IRectI& rect, int textFlags);
  LICE_PlatformFont* NativeFont() const { return platformFont_; }
  int LineHeight() const { return lineHeight_; }
  // Draws one already rendered character with its pen at (x, y), inside `clip`.
  bool DrawGlyph(LICE_IBitmap* target, int code, int x, int y, const IRectI& clip);

  // The character's record, rendering it first when needed; none when no
  // record can be made.
  std::optional<GlyphRecord> Glyph(int code);

private:
  // Blend weights are out of 256.
  static constexpr int kFullWeight = 256;

  struct Extent
  {
    int width = 0;
    int height = 0;
  };

  // The glyph tables are shared with every editor of the process: these run
  // with GlyphCanvas::Lock() held.
  bool WantsNativePath(int textFlags) const;
  // Walks the characters that have ink, calling visit(glyph, penX, penY)
  // with the pen starting at (x, y) and each line feed moving it down a line.
  template <typename Visit>
  void LayOut(const char* text, int length, int textFlags, int x, int y, Visit visit);
  Extent Measure(const char* text, int length, int textFlags);
  int DrawCached(LICE_IBitmap* target, const char* text, int length, const IRectI& rect, int textFlags);
  bool BlendGlyph(LICE_IBitmap* target, const GlyphRecord& glyph, int x, int y, const IRectI& clip, int weight);
  GlyphRecord* FindRecord(int code);
  GlyphRecord* RenderGlyph(int code);
  void RenderMask(GlyphRecord& record);
  void ForgetGlyphs();
  void ReleasePlatformFont();

  LICE_pixel textColour_ = 0;
  int fontFlags_ = 0;
  int lineHeight_ = 0;
  std::array<GlyphRecord, 128> asciiGlyphs_{};
  // Codes of 128 and above, sorted by code.
  std::vector<GlyphRecord> extendedGlyphs_;
  GlyphStore store_;
  LICE_PlatformFont* platformFont_ = nullptr;
};
