#pragma once

#include <png.h>

#include <cstddef>
#include <string_view>
#include <vector>

// A picture to encode, its rows packed exactly as the PNG stores them
// (16-bit samples big-endian, sub-byte samples packed from the high bit).
struct PngPicture
{
  int width = 0;
  int height = 0;
  int bitDepth = 8;
  int colorType = PNG_COLOR_TYPE_RGB;
  bool interlaced = false;
  std::vector<png_color> palette;
  // tRNS: alpha per palette entry; or, for grey pictures, the transparent grey.
  std::vector<unsigned char> paletteAlpha;
  int transparentGrey = -1;
  std::vector<std::vector<unsigned char>> rows;
};

// Encodes with libpng; empty on failure.
std::vector<unsigned char> EncodePng(const PngPicture& picture);

// Offset of the chunk's length field, or npos-like size() when missing.
std::size_t FindChunk(const std::vector<unsigned char>& png, std::string_view type);
std::size_t ChunkDataLength(const std::vector<unsigned char>& png, std::size_t chunk);
// Recomputes the CRC of the chunk at `chunk` after its data was edited.
void RefreshChunkCrc(std::vector<unsigned char>& png, std::size_t chunk);
