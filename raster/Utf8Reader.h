#pragma once

// Reads UTF-8 text one character code at a time, forgivingly: malformed
// bytes become codes of their own instead of errors, and four-byte
// sequences (beyond the 16-bit codes the glyph cache keys on) read as a space.
class Utf8Reader
{
public:
  // A negative length reads up to the terminating zero; a zero byte always
  // ends the text, and nothing past `length` bytes is read.
  Utf8Reader(const char* text, int length);

  // False at the end of the text.
  bool Next(int& code);

private:
  bool IsContinuation(int offset) const;
  int Byte(int offset) const;

  const unsigned char* text_;
  int length_;
  int position_ = 0;
};
