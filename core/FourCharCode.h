#pragma once

#include <cstdint>

// A four-character code as a 32-bit integer whose bytes, most significant
// first, are the characters: FourCharCode("Tape") == 0x54617065.
constexpr int32_t FourCharCode(const char (&text)[5])
{
  const auto byte = [&](int i) { return static_cast<uint32_t>(static_cast<unsigned char>(text[i])); };
  return static_cast<int32_t>(byte(0) << 24 | byte(1) << 16 | byte(2) << 8 | byte(3));
}

static_assert(FourCharCode("Tape") == 0x54617065);
