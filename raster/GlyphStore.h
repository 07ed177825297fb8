#pragma once

#include <cstddef>

// The coverage masks of one font, back to back in one growable block.
// Growing reports failure instead of throwing, so a character whose mask does
// not fit is simply left without ink.
class GlyphStore
{
public:
  GlyphStore() = default;
  ~GlyphStore();

  GlyphStore(const GlyphStore&) = delete;
  GlyphStore& operator=(const GlyphStore&) = delete;

  // Room for `bytes` more bytes at the end; their offset, or -1 when the
  // store cannot grow.
  int Append(int bytes);
  void Clear() { size_ = 0; }

  unsigned char* At(int offset) { return data_ + offset; }
  const unsigned char* At(int offset) const { return data_ + offset; }

private:
  unsigned char* data_ = nullptr;
  int size_ = 0;
  int capacity_ = 0;
};
