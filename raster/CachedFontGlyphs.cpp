#include "raster/BlendOperators.h"
#include "raster/GlyphCanvas.h"
#include "raster/LICE_CachedFont.h"
#include "raster/LICE_PlatformFont.h"
#include "raster/LICE_TextFlags.h"

#include <algorithm>
#include <cstddef>

namespace
{
// Cells this tall or taller are never rendered into masks.
constexpr int kLargestRenderedLineHeight = 1023;

bool ByCode(const GlyphRecord& record, int code) { return record.code < code; }

struct CanvasArea
{
  LICE_IBitmap& canvas;
  int width;
  int height;

  int Coverage(int x, int y) const
  {
    return LICE_GetR(canvas.PixelData()[static_cast<std::ptrdiff_t>(canvas.RowStride()) * y + x]);
  }

  bool ColumnHasInk(int x) const
  {
    for (int y = 0; y < height; ++y)
      if (Coverage(x, y) != 0)
        return true;
    return false;
  }

  void Clear()
  {
    for (int y = 0; y < height; ++y)
    {
      LICE_pixel* row = canvas.PixelData() + static_cast<std::ptrdiff_t>(canvas.RowStride()) * y;
      std::fill(row, row + width, LICE_pixel{0});
    }
  }
};
} // namespace

GlyphRecord* LICE_CachedFont::FindRecord(int code)
{
  if (code >= 0 && code < 128)
    return &asciiGlyphs_[static_cast<std::size_t>(code)];
  const auto found = std::lower_bound(extendedGlyphs_.begin(), extendedGlyphs_.end(), code, ByCode);
  if (found == extendedGlyphs_.end() || found->code != code)
    return nullptr;
  return &*found;
}

GlyphRecord* LICE_CachedFont::RenderGlyph(int code)
{
  GlyphRecord* record = FindRecord(code);
  if (record != nullptr && record->IsRendered())
    return record;
  if (lineHeight_ > kLargestRenderedLineHeight || code < 0)
    return nullptr;
  if (record == nullptr)
  {
    if ((fontFlags_ & FontPrecacheAscii) != 0)
      return nullptr;
    const auto place = std::lower_bound(extendedGlyphs_.begin(), extendedGlyphs_.end(), code, ByCode);
    GlyphRecord fresh;
    fresh.code = code;
    record = &*extendedGlyphs_.insert(place, fresh);
  }
  record->code = code;
  RenderMask(*record);
  return record;
}

void LICE_CachedFont::RenderMask(GlyphRecord& record)
{
  record = GlyphRecord{GlyphRecord::kNothingToDraw, 0, 0, 0, record.code, 0};
  LICE_IBitmap* canvas = GlyphCanvas::Acquire(2 * std::max(1, lineHeight_) + 8);
  if (platformFont_ == nullptr || canvas == nullptr)
    return;

  const int margin = lineHeight_ < 16 ? 2 : lineHeight_ / 16 + 2;
  const LICE_GlyphCell cell = platformFont_->MeasureGlyph(record.code);
  const int cellWidth = std::min(cell.width, canvas->Width());
  const int cellHeight = std::min(cell.height, canvas->Height());
  if (cellWidth < 1 || cellHeight < 1)
    return;
  CanvasArea box{*canvas, std::min(cell.width + 2 * margin, canvas->Width()), cellHeight};
  box.Clear();
  platformFont_->DrawGlyph(record.code, *canvas, margin, 0);

  int first = margin;
  for (int x = 0; x < std::min(margin, box.width); ++x)
  {
    if (box.ColumnHasInk(x))
    {
      first = x;
      break;
    }
  }
  int end = std::min(margin + cellWidth, box.width);
  for (int x = box.width - 1; x >= end; --x)
  {
    if (box.ColumnHasInk(x))
    {
      end = x + 1;
      break;
    }
  }
  first = std::min(first, end);

  const int maskWidth = end - first;
  const int offset = store_.Append(maskWidth * cellHeight);
  if (offset < 0)
    return;
  unsigned char* mask = store_.At(offset);
  for (int y = 0; y < cellHeight; ++y)
    for (int x = first; x < end; ++x)
      *mask++ = static_cast<unsigned char>(box.Coverage(x, y));
  record = GlyphRecord{offset + 1, maskWidth, cellHeight, cellWidth, record.code, margin - first};
}

bool LICE_CachedFont::DrawGlyph(LICE_IBitmap* target, int code, int x, int y, const IRectI& clip)
{
  const std::lock_guard<std::mutex> guard(GlyphCanvas::Lock());
  const GlyphRecord* glyph = FindRecord(code);
  const int weight = static_cast<int>(std::clamp(combineAlpha_, 0.0f, 1.0f) * static_cast<float>(kFullWeight));
  return glyph != nullptr && BlendGlyph(target, *glyph, x, y, clip, weight);
}

bool LICE_CachedFont::BlendGlyph(LICE_IBitmap* target, const GlyphRecord& glyph, int x, int y, const IRectI& clip,
                                 int weight)
{
  if (!glyph.HasInk() || target == nullptr || target->PixelData() == nullptr)
    return false;
  const IRectI area = clip.ClippedTo(target->Width(), target->Height());
  const int gx = x - glyph.leftOffset;
  if (gx >= area.right || y >= area.bottom || gx + glyph.maskWidth <= area.left || y + glyph.maskHeight <= area.top)
    return false;

  const int firstColumn = std::max(0, area.left - gx);
  const int firstRow = std::max(0, area.top - y);
  const int endColumn = std::min(glyph.maskWidth, area.right - gx);
  const int endRow = std::min(glyph.maskHeight, area.bottom - y);
  if (endColumn <= firstColumn || endRow <= firstRow)
    return false;
  if (weight <= 0)
    return true;

  const int red = LICE_GetR(textColour_);
  const int green = LICE_GetG(textColour_);
  const int blue = LICE_GetB(textColour_);
  const std::ptrdiff_t stride = target->RowStride();
  const unsigned char* mask = store_.At(glyph.maskOffsetPlusOne - 1);
  for (int row = firstRow; row < endRow; ++row)
  {
    const unsigned char* coverage = mask + static_cast<std::ptrdiff_t>(row) * glyph.maskWidth;
    LICE_pixel* pixels = target->PixelData() + stride * (y + row) + gx;
    for (int column = firstColumn; column < endColumn; ++column)
    {
      const int v = coverage[column];
      if (v == 0)
        continue;
      // keep: how much of the old pixel survives, out of 256.
      int keep = 0;
      if (weight >= kFullWeight)
        keep = 255 - v;
      else if (v * weight < 65792)
        keep = 256 - v * weight / 256;
      const LICE_pixel d = pixels[column];
      pixels[column] = LICE_RGBA(Blend::Mix(red, LICE_GetR(d), keep), Blend::Mix(green, LICE_GetG(d), keep),
                                 Blend::Mix(blue, LICE_GetB(d), keep), Blend::Mix(255, LICE_GetA(d), keep));
    }
  }
  return true;
}
