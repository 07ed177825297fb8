#include "PngFixture.h"

#include <zlib.h>

#include <csetjmp>
#include <cstdint>
#include <cstring>

namespace
{
void AppendBytes(png_structp png, png_bytep data, png_size_t length)
{
  auto* out = static_cast<std::vector<unsigned char>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void NoFlush(png_structp) {}

// Only trivially destructible locals here: libpng errors jump back into this frame.
bool WritePng(png_structp png, png_infop info, const PngPicture& picture, png_bytepp rows,
              std::vector<unsigned char>* out)
{
  if (setjmp(png_jmpbuf(png)))
    return false;
  png_set_write_fn(png, out, AppendBytes, NoFlush);
  png_set_IHDR(png, info, static_cast<png_uint_32>(picture.width), static_cast<png_uint_32>(picture.height),
               picture.bitDepth, picture.colorType, picture.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (!picture.palette.empty())
    png_set_PLTE(png, info, picture.palette.data(), static_cast<int>(picture.palette.size()));
  if (!picture.paletteAlpha.empty())
    png_set_tRNS(png, info, picture.paletteAlpha.data(), static_cast<int>(picture.paletteAlpha.size()), nullptr);
  if (picture.transparentGrey >= 0)
  {
    png_color_16 grey{};
    grey.gray = static_cast<png_uint_16>(picture.transparentGrey);
    png_set_tRNS(png, info, nullptr, 0, &grey);
  }
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  return true;
}

std::uint32_t ReadBigEndian32(const unsigned char* p)
{
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}
} // namespace

std::vector<unsigned char> EncodePng(const PngPicture& picture)
{
  std::vector<png_bytep> rows;
  for (const auto& row : picture.rows)
    rows.push_back(const_cast<png_bytep>(row.data()));

  std::vector<unsigned char> out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  const bool written = WritePng(png, info, picture, rows.data(), &out);
  png_destroy_write_struct(&png, &info);
  return written ? out : std::vector<unsigned char>{};
}

std::size_t FindChunk(const std::vector<unsigned char>& png, std::string_view type)
{
  std::size_t chunk = 8;
  while (chunk + 12 <= png.size())
  {
    if (std::memcmp(&png[chunk + 4], type.data(), 4) == 0)
      return chunk;
    chunk += 12 + ReadBigEndian32(&png[chunk]);
  }
  return png.size();
}

std::size_t ChunkDataLength(const std::vector<unsigned char>& png, std::size_t chunk)
{
  return ReadBigEndian32(&png[chunk]);
}

void RefreshChunkCrc(std::vector<unsigned char>& png, std::size_t chunk)
{
  const std::size_t length = ChunkDataLength(png, chunk);
  const uLong crc = crc32(0L, &png[chunk + 4], static_cast<uInt>(length + 4));
  for (int i = 0; i < 4; ++i)
    png[chunk + 8 + length + static_cast<std::size_t>(i)] = static_cast<unsigned char>(crc >> (24 - 8 * i));
}
