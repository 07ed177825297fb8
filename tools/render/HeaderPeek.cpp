#include "HeaderPeek.h"

#include <cmath>
#include <cstring>

namespace
{
std::uint32_t Little(const unsigned char* p, int bytes)
{
  std::uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i)
    value = value << 8 | p[i];
  return value;
}

std::uint64_t Big(const unsigned char* p, int bytes)
{
  std::uint64_t value = 0;
  for (int i = 0; i < bytes; ++i)
    value = value << 8 | p[i];
  return value;
}

bool Is(const unsigned char* p, const char* tag)
{
  return std::memcmp(p, tag, 4) == 0;
}

// RIFF chunks from byte 12: "fmt " gives channels, rate and frame size,
// "data" the announced length. A length of 0 or the 32-bit maximum is what
// streaming writers put there when they cannot tell.
void PeekWav(const unsigned char* bytes, size_t size, HeaderFacts& facts)
{
  std::uint32_t frameBytes = 0;
  for (size_t at = 12; at + 8 <= size;)
  {
    const std::uint32_t length = Little(bytes + at + 4, 4);
    if (Is(bytes + at, "fmt ") && at + 8 + 16 <= size)
    {
      facts.channels = Little(bytes + at + 10, 2);
      facts.sampleRate = Little(bytes + at + 12, 4);
      frameBytes = Little(bytes + at + 20, 2);
    }
    if (Is(bytes + at, "data"))
    {
      facts.endsInHeader = false;
      if (frameBytes > 0 && length != 0 && length != 0xFFFFFFFFu)
        facts.frames = length / frameBytes;
      return;
    }
    at += 8 + length + (length & 1);
  }
}

// The 80-bit extended-precision sample rate of an AIFF "COMM" chunk.
double ExtendedRate(const unsigned char* p)
{
  const int exponent = static_cast<int>(Big(p, 2) & 0x7FFF);
  const std::uint64_t mantissa = Big(p + 2, 8);
  if (exponent == 0 && mantissa == 0)
    return 0.0;
  return std::ldexp(static_cast<double>(mantissa), exponent - 16383 - 63);
}

void PeekAiff(const unsigned char* bytes, size_t size, HeaderFacts& facts)
{
  for (size_t at = 12; at + 8 <= size;)
  {
    const std::uint64_t length = Big(bytes + at + 4, 4);
    if (Is(bytes + at, "COMM") && at + 8 + 18 <= size)
    {
      facts.channels = static_cast<std::int64_t>(Big(bytes + at + 8, 2));
      facts.frames = static_cast<std::int64_t>(Big(bytes + at + 10, 4));
      facts.sampleRate = std::llround(ExtendedRate(bytes + at + 16));
    }
    if (Is(bytes + at, "SSND"))
    {
      facts.endsInHeader = false;
      return;
    }
    at += 8 + length + (length & 1);
  }
}

// STREAMINFO, the first metadata block, starts its bytes 10 to 17 with 20
// bits of rate and 3 of channels - 1 (libsndfile reports its length itself).
void PeekFlac(const unsigned char* bytes, size_t size, HeaderFacts& facts)
{
  if (size < 8 + 18)
    return;
  const std::uint64_t packed = Big(bytes + 8 + 10, 8);
  facts.endsInHeader = false;
  facts.sampleRate = static_cast<std::int64_t>(packed >> 44);
  facts.channels = static_cast<std::int64_t>((packed >> 41 & 7) + 1);
}
}

HeaderFacts PeekHeader(const unsigned char* bytes, size_t size, std::int64_t fileSize)
{
  HeaderFacts facts;
  if (size >= 12 && Is(bytes, "RIFF") && Is(bytes + 8, "WAVE"))
    facts.container = "WAV";
  else if (size >= 12 && Is(bytes, "FORM") && (Is(bytes + 8, "AIFF") || Is(bytes + 8, "AIFC")))
    facts.container = "AIFF";
  else if (size >= 4 && Is(bytes, "fLaC"))
    facts.container = "FLAC";
  if (facts.container.empty())
    return facts;
  // Ends inside the header unless the part that starts the audio is found
  // below; only when the whole file was looked at can that be told.
  facts.endsInHeader = static_cast<std::int64_t>(size) >= fileSize;
  if (facts.container == "WAV")
    PeekWav(bytes, size, facts);
  else if (facts.container == "AIFF")
    PeekAiff(bytes, size, facts);
  else
    PeekFlac(bytes, size, facts);
  return facts;
}

std::string HeaderProblem(const HeaderFacts& facts)
{
  if (facts.container.empty())
    return "";
  const std::string header = "its " + facts.container + " header ";
  if (facts.endsInHeader)
    return "the file ends inside its " + facts.container + " header (it is cut short)";
  if (facts.sampleRate == 0 || facts.sampleRate > 0x7FFFFFFF)
    return header + "gives a sample rate of " + std::to_string(facts.sampleRate) + " Hz";
  if (facts.channels == 0)
    return header + "gives 0 channels";
  return "";
}
