#include "raster/Utf8Reader.h"

namespace
{
constexpr int kSpace = 32;
}

Utf8Reader::Utf8Reader(const char* text, int length)
  : text_(reinterpret_cast<const unsigned char*>(text)), length_(text != nullptr ? length : 0)
{
}

int Utf8Reader::Byte(int offset) const
{
  const int index = position_ + offset;
  if (length_ >= 0 && index >= length_)
    return 0;
  return text_[index];
}

bool Utf8Reader::IsContinuation(int offset) const
{
  const int byte = Byte(offset);
  return byte >= 0x80 && byte <= 0xBF;
}

bool Utf8Reader::Next(int& code)
{
  const int lead = Byte(0);
  if (lead == 0)
    return false;

  if (lead >= 0xC2 && lead <= 0xDF && IsContinuation(1))
  {
    code = ((lead & 0x1F) << 6) | (Byte(1) & 0x3F);
    position_ += 2;
  }
  else if (lead >= 0xE0 && lead <= 0xEF && IsContinuation(1) && IsContinuation(2))
  {
    code = ((lead & 0x0F) << 12) | ((Byte(1) & 0x3F) << 6) | (Byte(2) & 0x3F);
    position_ += 3;
  }
  else if (lead >= 0xF0 && lead <= 0xF4 && IsContinuation(1) && IsContinuation(2) && IsContinuation(3))
  {
    code = kSpace;
    position_ += 4;
  }
  else
  {
    code = lead;
    position_ += 1;
  }
  return true;
}
