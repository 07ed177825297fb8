#pragma once

#include "raster/LICE_Pixel.h"

#include <algorithm>

// Per-pixel operators of LICE_Composite. Each takes the destination and the
// source pixel and returns the new destination pixel. `weight` is the
// composite's alpha times 256; all arithmetic is signed 32-bit with division
// rounding toward zero, and results keep their low byte unless clamped.
namespace Blend
{
constexpr int Clamp255(int value) { return value < 0 ? 0 : (value > 255 ? 255 : value); }

// s + (d - s) * keep / 256: keep = 256 leaves d, keep = 0 gives s.
constexpr int Mix(int s, int d, int keep) { return s + (d - s) * keep / 256; }

// The colour channels of s and d mixed by Mix, with alpha `alpha`.
constexpr LICE_pixel MixColour(LICE_pixel s, LICE_pixel d, int keep, int alpha)
{
  return LICE_RGBA(Mix(LICE_GetR(s), LICE_GetR(d), keep), Mix(LICE_GetG(s), LICE_GetG(d), keep),
                   Mix(LICE_GetB(s), LICE_GetB(d), keep), alpha);
}

constexpr int DodgeChannel(int d, int s, int weight)
{
  const int q = 256 - s * weight / 256;
  return q > 1 ? Clamp255(d * 256 / q) : Clamp255(d * 256);
}

// Both pixels at half strength, all four channels in one step.
struct HalfCopy
{
  LICE_pixel operator()(LICE_pixel d, LICE_pixel s) const { return ((s >> 1) & 0x7F7F7F7Fu) + ((d >> 1) & 0x7F7F7F7Fu); }
};

struct CopyWeighted
{
  int weight;
  LICE_pixel operator()(LICE_pixel d, LICE_pixel s) const
  {
    const int keep = 256 - weight;
    return MixColour(s, d, keep, Mix(LICE_GetA(s), LICE_GetA(d), keep));
  }
};

// Source-alpha copy at full weight: transparent source pixels leave d,
// opaque ones replace it.
struct CopySourceAlphaFull
{
  LICE_pixel operator()(LICE_pixel d, LICE_pixel s) const
  {
    const int sa = LICE_GetA(s);
    if (sa == 0)
      return d;
    if (sa == 255)
      return s;
    return MixColour(s, d, 255 - sa, std::min(255, LICE_GetA(d) + sa));
  }
};

struct CopySourceAlphaWeighted
{
  int weight;
  LICE_pixel operator()(LICE_pixel d, LICE_pixel s) const
  {
    const int sa = LICE_GetA(s);
    if (sa == 0)
      return d;
    const int n = (sa + 1) * weight / 256;
    return MixColour(s, d, 256 - n, std::min(255, LICE_GetA(d) + n));
  }
};

struct Add
{
  int weight;
  LICE_pixel operator()(LICE_pixel d, LICE_pixel s) const
  {
    return LICE_RGBA(Clamp255(LICE_GetR(d) + LICE_GetR(s) * weight / 256),
                     Clamp255(LICE_GetG(d) + LICE_GetG(s) * weight / 256),
                     Clamp255(LICE_GetB(d) + LICE_GetB(s) * weight / 256),
                     Clamp255(LICE_GetA(d) + LICE_GetA(s) * weight / 256));
  }
};

struct AddSourceAlpha
{
  int weight;
  LICE_pixel operator()(LICE_pixel d, LICE_pixel s) const
  {
    const int sa = LICE_GetA(s);
    if (sa == 0)
      return d;
    return Add{(sa + 1) * weight / 256}(d, s);
  }
};

struct Dodge
{
  int weight;
  LICE_pixel operator()(LICE_pixel d, LICE_pixel s) const
  {
    return LICE_RGBA(DodgeChannel(LICE_GetR(d), LICE_GetR(s), weight), DodgeChannel(LICE_GetG(d), LICE_GetG(s), weight),
                     DodgeChannel(LICE_GetB(d), LICE_GetB(s), weight), DodgeChannel(LICE_GetA(d), LICE_GetA(s), weight));
  }
};

// Unlike the other source-alpha operators, a transparent source pixel is not
// skipped: its weight is merely small.
struct DodgeSourceAlpha
{
  int weight;
  LICE_pixel operator()(LICE_pixel d, LICE_pixel s) const { return Dodge{(LICE_GetA(s) + 1) * weight / 256}(d, s); }
};
} // namespace Blend
