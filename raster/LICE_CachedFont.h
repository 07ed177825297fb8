#pragma once

#include "raster/GlyphRecord.h"
#include "raster/GlyphStore.h"
#include "raster/LICE_IFont.h"

#include <array>
#include <optional>
#include <vector>

// A font that renders each character once through the platform into an
// 8-bit coverage mask, caches the masks, and afterwards lays out and blends
// strings into any bitmap without the platform. Where the platform can draw
// whole strings (and the flags allow it), strings go to the platform instead.
class LICE_CachedFont final : public LICE_IFont
{
public:
  LICE_CachedFont();
  ~LICE_CachedFont() override;

  void AttachNativeFont(LICE_PlatformFont* font, int fontFlags) override;
  LICE_pixel SetForeground(LICE_pixel colour) override;
  LICE_pixel SetBackground(LICE_pixel colour) override;
  LICE_pixel SetEffectColour(LICE_pixel colour) override;
  int SetBackgroundMode(int mode) override;
  void SetCombine(int compositeMode, float alpha) override;
  int DrawString(LICE_IBitmap* target, const char* text, int length, IRectI& rect, int textFlags) override;
  LICE_pixel Foreground() const override { return textColour_; }
  LICE_PlatformFont* NativeFont() const override { return platformFont_; }
  int LineHeight() const override { return lineHeight_; }
  bool DrawGlyph(LICE_IBitmap* target, int code, int x, int y, const IRectI& clip) override;

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
  LICE_pixel backgroundColour_ = 0xFFFFFFFF;
  LICE_pixel effectColour_ = 0xFFFFFFFF;
  int backgroundMode_ = 1;
  int combineMode_ = 0;
  float combineAlpha_ = 1.0f;
  int fontFlags_ = 0;
  int lineHeight_ = 0;
  std::array<GlyphRecord, 128> asciiGlyphs_{};
  // Codes of 128 and above, sorted by code.
  std::vector<GlyphRecord> extendedGlyphs_;
  GlyphStore store_;
  LICE_PlatformFont* platformFont_ = nullptr;
};
