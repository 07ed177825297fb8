#pragma once

#include "raster/LICE_Pixel.h"

// A colour with alpha, each channel 0..255.
struct IColorRGBA
{
  int A = 255;
  int R = 0;
  int G = 0;
  int B = 0;

  // The pixel word 0xAARRGGBB.
  LICE_pixel Packed() const { return LICE_RGBA(R, G, B, A); }

  bool operator==(const IColorRGBA&) const = default;
};

inline constexpr IColorRGBA kColorBlack{255, 0, 0, 0};
inline constexpr IColorRGBA kColorWhite{255, 255, 255, 255};
