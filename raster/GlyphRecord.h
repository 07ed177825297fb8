#pragma once

// One character of a cached font. `maskOffsetPlusOne` is 0 while the
// character is not rendered yet, kNothingToDraw when it has no ink and no
// advance, and otherwise one more than where its coverage mask starts in the
// glyph store. The mask is maskWidth x maskHeight bytes, top row first; its
// first column lies `leftOffset` pixels left of the pen.
struct GlyphRecord
{
  static constexpr int kNothingToDraw = -1;

  int maskOffsetPlusOne = 0;
  int maskWidth = 0;
  int maskHeight = 0;
  int advance = 0;
  int code = 0;
  int leftOffset = 0;

  bool IsRendered() const { return maskOffsetPlusOne != 0; }
  bool HasInk() const { return maskOffsetPlusOne > 0; }
};
