#include "raster/LICE_DecodePng.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <new>

namespace
{
constexpr unsigned char kPngSignature[8] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
constexpr std::size_t kBytesPerPixel = 4;

struct ByteSource
{
  const unsigned char* data;
  std::size_t size;
  std::size_t position;
};

// Reading past the end yields zeros rather than failing here: libpng then
// finds the stream corrupt and reports it through its own error path.
void ReadFromBytes(png_structp png, png_bytep out, png_size_t count)
{
  auto* source = static_cast<ByteSource*>(png_get_io_ptr(png));
  std::memset(out, 0, count);
  const std::size_t copied = std::min(count, source->size - source->position);
  if (copied > 0)
    std::memcpy(out, source->data + source->position, copied);
  source->position += copied;
}

// Everything the guarded read creates lives here, outside the frame that
// calls setjmp, and is trivially destructible: a libpng error jumps past no
// destructor, and the caller still sees what was created before it.
struct PngRead
{
  png_structp png = nullptr;
  png_infop info = nullptr;
  ByteSource source{};
  LICE_MemBitmap* bitmap = nullptr;
  png_bytepp rows = nullptr;
};

// After these every pixel arrives as the 4 bytes alpha, red, green, blue.
void RequestArgbPixels(png_structp png, png_infop info, int colorType, int bitDepth)
{
  bool hasAlpha = (colorType & PNG_COLOR_MASK_ALPHA) != 0;
  if (colorType == PNG_COLOR_TYPE_PALETTE)
    png_set_palette_to_rgb(png);
  if (colorType == PNG_COLOR_TYPE_GRAY && bitDepth < 8)
    png_set_expand_gray_1_2_4_to_8(png);
  if (png_get_valid(png, info, PNG_INFO_tRNS) != 0)
  {
    png_set_tRNS_to_alpha(png);
    hasAlpha = true;
  }
  if (bitDepth == 16)
    png_set_strip_16(png);
  if (bitDepth < 8)
    png_set_packing(png);
  if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA)
    png_set_gray_to_rgb(png);
  if (hasAlpha)
    png_set_swap_alpha(png);
  else
    png_set_filler(png, 0xFF, PNG_FILLER_BEFORE);
}

bool ReadArgbImage(PngRead& read)
{
  if (setjmp(png_jmpbuf(read.png)))
    return false;

  png_set_user_limits(read.png, kPngMaxSide, kPngMaxSide);
  png_set_read_fn(read.png, &read.source, ReadFromBytes);
  png_read_info(read.png, read.info);

  png_uint_32 width = 0;
  png_uint_32 height = 0;
  int bitDepth = 0;
  int colorType = 0;
  png_get_IHDR(read.png, read.info, &width, &height, &bitDepth, &colorType, nullptr, nullptr, nullptr);
  if (!LICE_PngSizeAcceptable(width, height))
    return false;

  RequestArgbPixels(read.png, read.info, colorType, bitDepth);
  png_set_interlace_handling(read.png);
  png_read_update_info(read.png, read.info);
  // The rows below hold exactly 4 bytes per pixel; never let libpng write more.
  if (png_get_rowbytes(read.png, read.info) != width * kBytesPerPixel)
    return false;

  read.bitmap = new (std::nothrow) LICE_MemBitmap;
  if (read.bitmap == nullptr)
    return false;
  const int bitmapWidth = static_cast<int>(width);
  const int bitmapHeight = static_cast<int>(height);
  read.bitmap->SetSize(bitmapWidth, bitmapHeight);
  if (read.bitmap->Width() != bitmapWidth || read.bitmap->Height() != bitmapHeight)
    return false;

  read.rows = static_cast<png_bytepp>(std::malloc(height * sizeof(png_bytep)));
  if (read.rows == nullptr)
    return false;
  LICE_pixel* pixels = read.bitmap->PixelData();
  const std::size_t stride = static_cast<std::size_t>(read.bitmap->RowStride());
  for (png_uint_32 row = 0; row < height; ++row)
    read.rows[row] = reinterpret_cast<png_bytep>(pixels + stride * row);

  png_read_image(read.png, read.rows);
  return true;
}

// Turns the decoded bytes a, r, g, b of every pixel into the pixel word.
void ArgbBytesToPixels(LICE_MemBitmap& bitmap)
{
  LICE_pixel* pixels = bitmap.PixelData();
  const std::size_t stride = static_cast<std::size_t>(bitmap.RowStride());
  for (int y = 0; y < bitmap.Height(); ++y)
  {
    LICE_pixel* row = pixels + stride * static_cast<std::size_t>(y);
    for (int x = 0; x < bitmap.Width(); ++x)
    {
      const auto* argb = reinterpret_cast<const unsigned char*>(row + x);
      row[x] = (LICE_pixel{argb[0]} << 24) | (LICE_pixel{argb[1]} << 16) | (LICE_pixel{argb[2]} << 8) | argb[3];
    }
  }
}
} // namespace

std::unique_ptr<LICE_MemBitmap> LICE_DecodePng(const unsigned char* bytes, int byteCount)
{
  if (bytes == nullptr || byteCount < 8 || std::memcmp(bytes, kPngSignature, sizeof kPngSignature) != 0)
    return nullptr;

  PngRead read;
  read.source = {bytes, static_cast<std::size_t>(byteCount), 0};
  read.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (read.png == nullptr)
    return nullptr;
  read.info = png_create_info_struct(read.png);

  const bool decoded = read.info != nullptr && ReadArgbImage(read);
  png_destroy_read_struct(&read.png, &read.info, nullptr);
  std::free(read.rows);
  if (!decoded)
  {
    delete read.bitmap;
    return nullptr;
  }
  ArgbBytesToPixels(*read.bitmap);
  return std::unique_ptr<LICE_MemBitmap>(read.bitmap);
}
