#pragma once

#include <cstdint>

// One pixel: bytes blue, green, red, alpha in memory, so the little-endian
// word reads 0xAARRGGBB. Colours are straight, never premultiplied by alpha.
using LICE_pixel = std::uint32_t;

constexpr int LICE_GetB(LICE_pixel p) { return static_cast<int>(p & 0xFFu); }
constexpr int LICE_GetG(LICE_pixel p) { return static_cast<int>((p >> 8) & 0xFFu); }
constexpr int LICE_GetR(LICE_pixel p) { return static_cast<int>((p >> 16) & 0xFFu); }
constexpr int LICE_GetA(LICE_pixel p) { return static_cast<int>(p >> 24); }

// Keeps the low byte of each channel, as the blend arithmetic stores its results.
constexpr LICE_pixel LICE_RGBA(int r, int g, int b, int a)
{
  return (static_cast<LICE_pixel>(b) & 0xFFu) | ((static_cast<LICE_pixel>(g) & 0xFFu) << 8) |
         ((static_cast<LICE_pixel>(r) & 0xFFu) << 16) | ((static_cast<LICE_pixel>(a) & 0xFFu) << 24);
}
