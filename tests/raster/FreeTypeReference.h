#pragma once

#include <memory>
#include <vector>

// The embedded font rendered straight through FreeType, at the size whose
// cell (ascent plus descent) is the requested height: what the cached font's
// glyphs are checked against.
struct ReferenceGlyph
{
  int advance = 0;
  // The bitmap's top-left corner relative to the pen on the baseline.
  int left = 0;
  int top = 0;
  int width = 0;
  int rows = 0;
  std::vector<unsigned char> coverage;

  int At(int column, int row) const { return coverage[static_cast<std::size_t>(row * width + column)]; }
};

class FreeTypeReference
{
public:
  explicit FreeTypeReference(int cellHeight);
  ~FreeTypeReference();

  FreeTypeReference(const FreeTypeReference&) = delete;
  FreeTypeReference& operator=(const FreeTypeReference&) = delete;

  bool Loaded() const;
  // Baseline distance from the cell's top, and the cell height.
  int Ascent() const { return ascent_; }
  int CellHeight() const { return cellHeight_; }
  ReferenceGlyph Glyph(int code) const;

private:
  struct Face;
  std::unique_ptr<Face> face_;
  int ascent_ = 0;
  int cellHeight_ = 0;
};
