#include "BitmapFixture.h"
#include "PngFixture.h"
#include "raster/LICE_DecodePng.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace
{
std::unique_ptr<LICE_MemBitmap> Decode(const std::vector<unsigned char>& bytes)
{
  return LICE_DecodePng(bytes.data(), static_cast<int>(bytes.size()));
}

std::vector<std::string> HexPixels(LICE_IBitmap& bitmap)
{
  std::vector<std::string> pixels;
  for (int y = 0; y < bitmap.Height(); ++y)
  {
    for (int x = 0; x < bitmap.Width(); ++x)
    {
      char text[16];
      std::snprintf(text, sizeof text, "%08X", PixelAt(bitmap, x, y));
      pixels.emplace_back(text);
    }
  }
  return pixels;
}

struct DecodeCase
{
  std::string name;
  PngPicture picture;
  std::vector<std::string> expected; // pixel words 0xAARRGGBB, rows top first
};

std::vector<DecodeCase> DecodeCases()
{
  const std::vector<png_color> palette{{10, 20, 30}, {200, 100, 50}, {7, 8, 9}};
  return {
    {"rgb gets opaque alpha",
     {2, 1, 8, PNG_COLOR_TYPE_RGB, false, {}, {}, -1, {{0x12, 0x34, 0x56, 0xFF, 0x00, 0x80}}},
     {"FF123456", "FFFF0080"}},
    {"rgba keeps straight alpha",
     {2, 1, 8, PNG_COLOR_TYPE_RGBA, false, {}, {}, -1, {{255, 0, 0, 128, 1, 2, 3, 4}}},
     {"80FF0000", "04010203"}},
    // 2-bit indices 2, 0, 1 packed from the high bit: 10 00 01 00.
    {"palette without tRNS is opaque",
     {3, 1, 2, PNG_COLOR_TYPE_PALETTE, false, palette, {}, -1, {{0x84}}},
     {"FF070809", "FF0A141E", "FFC86432"}},
    // Entries past the tRNS list stay opaque.
    {"palette with tRNS",
     {3, 1, 2, PNG_COLOR_TYPE_PALETTE, false, palette, {0x00, 0x80}, -1, {{0x84}}},
     {"FF070809", "000A141E", "80C86432"}},
    {"16-bit rgb keeps the high bytes",
     {1, 1, 16, PNG_COLOR_TYPE_RGB, false, {}, {}, -1, {{0x12, 0x34, 0xAB, 0xCD, 0x00, 0xFF}}},
     {"FF12AB00"}},
    {"16-bit rgba keeps the high bytes",
     {1, 1, 16, PNG_COLOR_TYPE_RGBA, false, {}, {}, -1, {{0xFF, 0xEE, 0x01, 0x02, 0x80, 0x81, 0x80, 0xFF}}},
     {"80FF0180"}},
    // Bits 1010000011: the row crosses a byte boundary.
    {"1-bit grey is black and white",
     {10, 1, 1, PNG_COLOR_TYPE_GRAY, false, {}, {}, -1, {{0xA0, 0xC0}}},
     {"FFFFFFFF", "FF000000", "FFFFFFFF", "FF000000", "FF000000", "FF000000", "FF000000", "FF000000", "FFFFFFFF",
      "FFFFFFFF"}},
    {"4-bit grey scales to 8 bits",
     {2, 1, 4, PNG_COLOR_TYPE_GRAY, false, {}, {}, -1, {{0xF5}}},
     {"FFFFFFFF", "FF555555"}},
    {"16-bit grey keeps the high byte",
     {1, 1, 16, PNG_COLOR_TYPE_GRAY, false, {}, {}, -1, {{0xAB, 0xCD}}},
     {"FFABABAB"}},
    {"grey with alpha",
     {2, 1, 8, PNG_COLOR_TYPE_GRAY_ALPHA, false, {}, {}, -1, {{0x40, 0x99, 0xFF, 0x00}}},
     {"99404040", "00FFFFFF"}},
    {"grey with a transparent grey",
     {2, 1, 8, PNG_COLOR_TYPE_GRAY, false, {}, {}, 0x40, {{0x40, 0x41}}},
     {"00404040", "FF414141"}},
    {"two rows",
     {1, 2, 8, PNG_COLOR_TYPE_RGB, false, {}, {}, -1, {{1, 2, 3}, {4, 5, 6}}},
     {"FF010203", "FF040506"}},
  };
}

TEST(PngDecode, EveryColourTypeArrivesAsStraightBgra)
{
  for (const DecodeCase& c : DecodeCases())
  {
    SCOPED_TRACE(c.name);
    const std::vector<unsigned char> png = EncodePng(c.picture);
    ASSERT_FALSE(png.empty());
    auto bitmap = Decode(png);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->Width(), c.picture.width);
    EXPECT_EQ(bitmap->Height(), c.picture.height);
    EXPECT_EQ(HexPixels(*bitmap), c.expected);
  }
}

TEST(PngDecode, HalfTransparentRedIsStoredAsBlueGreenRedAlphaBytes)
{
  const PngPicture red{1, 1, 8, PNG_COLOR_TYPE_RGBA, false, {}, {}, -1, {{255, 0, 0, 128}}};
  auto bitmap = Decode(EncodePng(red));
  ASSERT_NE(bitmap, nullptr);
  const auto* bytes = reinterpret_cast<const unsigned char*>(bitmap->PixelData());
  EXPECT_EQ(std::vector<unsigned char>(bytes, bytes + 4), (std::vector<unsigned char>{0x00, 0x00, 0xFF, 0x80}));
}

// Every pixel differs, so a row or pass in the wrong place shows.
PngPicture InterlacedPicture(int width, int height)
{
  PngPicture picture{width, height, 8, PNG_COLOR_TYPE_RGBA, true, {}, {}, -1, {}};
  for (int y = 0; y < height; ++y)
  {
    std::vector<unsigned char> row;
    for (int x = 0; x < width; ++x)
    {
      row.push_back(static_cast<unsigned char>(x * 20));
      row.push_back(static_cast<unsigned char>(y * 20));
      row.push_back(static_cast<unsigned char>(x + y));
      row.push_back(static_cast<unsigned char>(255 - x * y));
    }
    picture.rows.push_back(row);
  }
  return picture;
}

TEST(PngDecode, InterlacedPicturesReadAllPasses)
{
  const int width = 11;
  const int height = 9;
  auto bitmap = Decode(EncodePng(InterlacedPicture(width, height)));
  ASSERT_NE(bitmap, nullptr);
  ASSERT_EQ(bitmap->Width(), width);
  ASSERT_EQ(bitmap->Height(), height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      ASSERT_EQ(PixelAt(*bitmap, x, y), LICE_RGBA(x * 20, y * 20, x + y, 255 - x * y)) << x << ", " << y;
}

// A 16 x 16 picture with varied content, so its image data spans many bytes.
std::vector<unsigned char> ReferencePng()
{
  PngPicture picture{16, 16, 8, PNG_COLOR_TYPE_RGBA, false, {}, {}, -1, {}};
  for (int y = 0; y < 16; ++y)
  {
    std::vector<unsigned char> row;
    for (int i = 0; i < 16 * 4; ++i)
      row.push_back(static_cast<unsigned char>((i * 37 + y * 101) ^ (i * y)));
    picture.rows.push_back(row);
  }
  return EncodePng(picture);
}

void PutBigEndian32(std::vector<unsigned char>& png, std::size_t at, std::uint32_t value)
{
  for (int i = 0; i < 4; ++i)
    png[at + static_cast<std::size_t>(i)] = static_cast<unsigned char>(value >> (24 - 8 * i));
}

std::vector<unsigned char> WithHeaderSize(std::uint32_t width, std::uint32_t height)
{
  std::vector<unsigned char> png = ReferencePng();
  const std::size_t header = FindChunk(png, "IHDR");
  PutBigEndian32(png, header + 8, width);
  PutBigEndian32(png, header + 12, height);
  RefreshChunkCrc(png, header);
  return png;
}

TEST(PngDecode, ReferencePictureDecodes)
{
  auto bitmap = Decode(ReferencePng());
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(bitmap->Width(), 16);
  EXPECT_EQ(bitmap->Height(), 16);
}

TEST(PngDecode, DataCutShortGivesNone)
{
  const std::vector<unsigned char> png = ReferencePng();
  const std::size_t data = FindChunk(png, "IDAT");
  const std::size_t dataEnd = data + 12 + ChunkDataLength(png, data);
  std::vector<std::size_t> cuts{0, 1, 7, 8, 12, 20, 32, 33, data + 4, data + 8, dataEnd - 4, dataEnd - 1};
  for (std::size_t cut = data + 9; cut < dataEnd - 4; cut += 23)
    cuts.push_back(cut);

  for (const std::size_t cut : cuts)
  {
    SCOPED_TRACE(cut);
    EXPECT_EQ(LICE_DecodePng(png.data(), static_cast<int>(cut)), nullptr);
  }
}

TEST(PngDecode, CorruptDataGivesNone)
{
  const std::vector<unsigned char> reference = ReferencePng();
  const std::size_t header = FindChunk(reference, "IHDR");
  const std::size_t data = FindChunk(reference, "IDAT");
  const std::size_t dataLength = ChunkDataLength(reference, data);

  struct Corruption
  {
    std::string name;
    std::size_t offset;
    bool refreshCrc; // the chunk's CRC is recomputed, so only the content is wrong
    std::size_t chunk;
  };
  const Corruption corruptions[] = {
    {"signature", 1, false, 0},
    {"image data byte", data + 8 + dataLength / 2, false, 0},
    {"image data checksum", data + 8 + dataLength + 1, false, 0},
    {"header checksum", header + 8 + 13, false, 0},
    {"zlib header with a valid checksum", data + 8, true, data},
    {"header bit depth with a valid checksum", header + 16, true, header},
    {"header colour type with a valid checksum", header + 17, true, header},
  };
  for (const Corruption& c : corruptions)
  {
    SCOPED_TRACE(c.name);
    std::vector<unsigned char> png = reference;
    png[c.offset] ^= 0x5A;
    if (c.refreshCrc)
      RefreshChunkCrc(png, c.chunk);
    EXPECT_EQ(Decode(png), nullptr);
  }
}

TEST(PngDecode, AbsurdHeaderSizesGiveNoneWithoutAllocating)
{
  struct Size
  {
    std::uint32_t width;
    std::uint32_t height;
  };
  const Size sizes[] = {
    {100000, 100000},     // beyond the side limit
    {65536, 32768},       // width x height x 4 overflows int32
    {16384, 16384},       // sides allowed, 1 GiB of pixels is not
    {0, 16},              // invalid
    {0x7FFFFFFF, 1},      // largest width PNG allows
  };
  for (const Size& size : sizes)
  {
    SCOPED_TRACE(testing::Message() << size.width << " x " << size.height);
    EXPECT_EQ(Decode(WithHeaderSize(size.width, size.height)), nullptr);
  }
}

TEST(PngDecode, SizeLimitAllowsEditorPicturesAndRefusesHugeOnes)
{
  EXPECT_TRUE(LICE_PngSizeAcceptable(1, 1));
  EXPECT_TRUE(LICE_PngSizeAcceptable(760, 450));
  EXPECT_TRUE(LICE_PngSizeAcceptable(16384, 4096));
  EXPECT_TRUE(LICE_PngSizeAcceptable(4096, 16384));
  EXPECT_TRUE(LICE_PngSizeAcceptable(500, 25000)) << "the meter's strip at twice the scale";
  EXPECT_FALSE(LICE_PngSizeAcceptable(16384, 4097));
  EXPECT_FALSE(LICE_PngSizeAcceptable(32769, 1));
  EXPECT_FALSE(LICE_PngSizeAcceptable(1, 32769));
  EXPECT_FALSE(LICE_PngSizeAcceptable(0, 10));
  EXPECT_FALSE(LICE_PngSizeAcceptable(10, 0));
}

TEST(PngDecode, InvalidArgumentsGiveNone)
{
  const std::vector<unsigned char> png = ReferencePng();
  EXPECT_EQ(LICE_DecodePng(nullptr, 100), nullptr);
  EXPECT_EQ(LICE_DecodePng(png.data(), -1), nullptr);
  EXPECT_EQ(LICE_DecodePng(png.data(), 0), nullptr);
}
} // namespace
