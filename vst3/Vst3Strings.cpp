#include "Vst3Strings.h"

void WidenText(const char* text, Steinberg::Vst::String128 out)
{
  int i = 0;
  for (; text && text[i] && i < 127; ++i)
    out[i] = static_cast<Steinberg::Vst::TChar>(static_cast<unsigned char>(text[i]));
  out[i] = 0;
}

Vst3String WidenText(const char* text)
{
  Vst3String wide;
  for (; text && *text; ++text)
    wide.push_back(static_cast<Steinberg::Vst::TChar>(static_cast<unsigned char>(*text)));
  return wide;
}

std::string NarrowText(const Steinberg::Vst::TChar* text, int maxLength)
{
  std::string narrow;
  for (int i = 0; text && text[i] && i < maxLength; ++i)
    narrow.push_back(static_cast<char>(text[i] & 0xFF));
  return narrow;
}
