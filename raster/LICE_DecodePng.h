#pragma once

#include "raster/LICE_MemBitmap.h"

#include <cstdint>
#include <memory>

// Decodes a PNG byte stream into a bitmap of exactly the picture's size in
// the system's pixel format (straight alpha; opaque when the picture has
// none). None on any failure: too short, not a PNG, corrupt or truncated
// data, or a picture larger than LICE_PngSizeAcceptable allows.
std::unique_ptr<LICE_MemBitmap> LICE_DecodePng(const unsigned char* bytes, int byteCount);

// Pictures are decoded whole into memory, so a header announcing an absurd
// size is refused before anything is allocated for it. A side may be as long
// as a film strip of a hundred frames at twice the editor's scale.
constexpr std::uint32_t kPngMaxSide = 32768;
constexpr std::uint64_t kPngMaxPixels = std::uint64_t{1} << 26;

constexpr bool LICE_PngSizeAcceptable(std::uint32_t width, std::uint32_t height)
{
  return width > 0 && height > 0 && width <= kPngMaxSide && height <= kPngMaxSide &&
         std::uint64_t{width} * height <= kPngMaxPixels;
}
