#include "BitmapFixture.h"
#include "raster/LICE_Composite.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <string>
#include <vector>

namespace
{
// Expected pixels are worked out by hand from the blend formulas; the
// comments show the arithmetic for the channels that decide each case.
struct BlendCase
{
  std::string name;
  int mode;
  float alpha;
  LICE_pixel src;
  LICE_pixel dest;
  LICE_pixel expected;
};

std::string Hex(LICE_pixel p)
{
  char text[16];
  std::snprintf(text, sizeof text, "%08X", p);
  return text;
}

LICE_pixel BlendOne(const BlendCase& c)
{
  auto dest = MakeFilled(1, 1, c.dest);
  auto src = MakeFilled(1, 1, c.src);
  LICE_Composite(dest.get(), src.get(), 0, 0, nullptr, c.alpha, c.mode);
  return PixelAt(*dest, 0, 0);
}

void RunCases(const std::vector<BlendCase>& cases)
{
  for (const BlendCase& c : cases)
    EXPECT_EQ(Hex(BlendOne(c)), Hex(c.expected)) << c.name;
}

constexpr int kCopySourceAlpha = ModeCopy | ModeUseSourceAlpha;
constexpr int kAddSourceAlpha = ModeAdd | ModeUseSourceAlpha;
constexpr int kDodgeSourceAlpha = ModeDodge | ModeUseSourceAlpha;

TEST(CompositeBlend, ZeroWeightDrawsNothingInEveryMode)
{
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const int modes[] = {ModeCopy, ModeAdd, ModeDodge, kCopySourceAlpha, kAddSourceAlpha, kDodgeSourceAlpha};
  for (const int mode : modes)
  {
    // 0.001 * 256 = 0.256 truncates to weight 0; NaN has no weight at all.
    for (const float alpha : {0.0f, 0.001f, nan})
    {
      SCOPED_TRACE("mode " + std::to_string(mode) + " alpha " + std::to_string(alpha));
      EXPECT_EQ(BlendOne({"", mode, alpha, LICE_RGBA(255, 255, 255, 255), LICE_RGBA(1, 2, 3, 4), 0}),
                LICE_RGBA(1, 2, 3, 4));
    }
  }
}

TEST(CompositeBlend, Copy)
{
  RunCases({
    {"weight 1.0 copies", ModeCopy, 1.0f, LICE_RGBA(10, 20, 30, 40), LICE_RGBA(200, 200, 200, 200),
     LICE_RGBA(10, 20, 30, 40)},
    {"weight 0.5 halves black over white", ModeCopy, 0.5f, 0x00000000, 0xFFFFFFFF, 0x7F7F7F7F},
    // (s >> 1) + (d >> 1) per channel: 100 + 25, 50 + 50, 1 + 127, 127 + 0.
    {"weight 0.5 halves each channel", ModeCopy, 0.5f, LICE_RGBA(201, 100, 3, 255), LICE_RGBA(50, 101, 255, 0),
     LICE_RGBA(125, 100, 128, 127)},
    // a = 64, keep 192: R 0 + 200*192/256 = 150; B 255 + (-255*192)/256 = 255 - 191 = 64
    // (toward zero, not 63); A 40 + 160*192/256 = 40 + 120 = 160.
    {"weight 0.25", ModeCopy, 0.25f, LICE_RGBA(0, 100, 255, 40), LICE_RGBA(200, 100, 0, 200),
     LICE_RGBA(150, 100, 64, 160)},
    // a = 192, keep 64: R 255*64/256 = 63; G 10*64/256 = 2; B 255 - 63 = 192; A 63.
    {"weight 0.75", ModeCopy, 0.75f, LICE_RGBA(0, 0, 255, 0), LICE_RGBA(255, 10, 0, 255), LICE_RGBA(63, 2, 192, 63)},
  });
}

TEST(CompositeBlend, CopyWithSourceAlpha)
{
  RunCases({
    {"transparent source is skipped", kCopySourceAlpha, 1.0f, LICE_RGBA(10, 20, 30, 0), LICE_RGBA(1, 2, 3, 4),
     LICE_RGBA(1, 2, 3, 4)},
    {"opaque source replaces", kCopySourceAlpha, 1.0f, LICE_RGBA(10, 20, 30, 255), LICE_RGBA(1, 2, 3, 4),
     LICE_RGBA(10, 20, 30, 255)},
    // keep 255 - 128 = 127: R 200 + (-200*127)/256 = 200 - 99 = 101; G 255*127/256 = 126.
    {"alpha 128 over opaque", kCopySourceAlpha, 1.0f, LICE_RGBA(200, 0, 100, 128), LICE_RGBA(0, 255, 100, 255),
     LICE_RGBA(101, 126, 100, 255)},
    {"alpha 128 adds to destination alpha", kCopySourceAlpha, 1.0f, LICE_RGBA(200, 0, 100, 128),
     LICE_RGBA(0, 255, 100, 60), LICE_RGBA(101, 126, 100, 188)},
    // n = 129*64/256 = 32, keep 224: R 200 + (-200*224)/256 = 25; G 255*224/256 = 223.
    {"weight 0.25 alpha 128 over opaque", kCopySourceAlpha, 0.25f, LICE_RGBA(200, 0, 100, 128),
     LICE_RGBA(0, 255, 100, 255), LICE_RGBA(25, 223, 100, 255)},
    {"weight 0.25 alpha 128 adds n", kCopySourceAlpha, 0.25f, LICE_RGBA(200, 0, 100, 128), LICE_RGBA(0, 255, 100, 60),
     LICE_RGBA(25, 223, 100, 92)},
    // n = 256*64/256 = 64, keep 192: R 255 - 191 = 64; B 255*192/256 = 191; A 100 + 64.
    {"weight 0.25 opaque source blends", kCopySourceAlpha, 0.25f, LICE_RGBA(255, 0, 0, 255), LICE_RGBA(0, 0, 255, 100),
     LICE_RGBA(64, 0, 191, 164)},
    {"weight 0.25 transparent source is skipped", kCopySourceAlpha, 0.25f, LICE_RGBA(255, 0, 0, 0),
     LICE_RGBA(0, 0, 255, 100), LICE_RGBA(0, 0, 255, 100)},
    // weight 0.5 takes the weighted path, not the halving trick: n = 256*128/256 = 128.
    // R 0 + 255*128/256 = 127; A min(255, 200 + 128) = 255.
    {"weight 0.5 opaque source", kCopySourceAlpha, 0.5f, LICE_RGBA(0, 0, 0, 255), LICE_RGBA(255, 255, 255, 200),
     LICE_RGBA(127, 127, 127, 255)},
  });
}

TEST(CompositeBlend, Add)
{
  RunCases({
    {"weight 1.0 saturates", ModeAdd, 1.0f, LICE_RGBA(100, 200, 0, 10), LICE_RGBA(100, 100, 5, 250),
     LICE_RGBA(200, 255, 5, 255)},
    // a = 128: R 101*128/256 = 50; G 200 + 127 -> 255; B 10 + 1; A 7 + 0.
    {"weight 0.5", ModeAdd, 0.5f, LICE_RGBA(101, 255, 3, 0), LICE_RGBA(0, 200, 10, 7), LICE_RGBA(50, 255, 11, 7)},
    {"transparent source is skipped", kAddSourceAlpha, 1.0f, LICE_RGBA(101, 255, 3, 0), LICE_RGBA(0, 200, 10, 7),
     LICE_RGBA(0, 200, 10, 7)},
    // w = 128*256/256 = 128: A 7 + 127*128/256 = 7 + 63.
    {"source alpha 127", kAddSourceAlpha, 1.0f, LICE_RGBA(101, 255, 3, 127), LICE_RGBA(0, 200, 10, 7),
     LICE_RGBA(50, 255, 11, 70)},
    // w = 256*128/256 = 128: A 7 + 255*128/256 = 7 + 127.
    {"source alpha 255 at weight 0.5", kAddSourceAlpha, 0.5f, LICE_RGBA(101, 255, 3, 255), LICE_RGBA(0, 200, 10, 7),
     LICE_RGBA(50, 255, 11, 134)},
  });
}

TEST(CompositeBlend, Dodge)
{
  RunCases({
    // q = 1 everywhere: d * 256 clamps to 255 unless d is 0.
    {"white source", ModeDodge, 1.0f, 0xFFFFFFFF, LICE_RGBA(0, 1, 128, 255), LICE_RGBA(0, 255, 255, 255)},
    // R q = 128: 100*256/128 = 200; G q = 192: 150*256/192 = 200; B q = 256; A q = 1: 3*256 -> 255.
    {"weight 1.0", ModeDodge, 1.0f, LICE_RGBA(128, 64, 0, 255), LICE_RGBA(100, 150, 77, 3), LICE_RGBA(200, 200, 77, 255)},
    // R q = 192: 25600/192 = 133; G q = 256 - 127 = 129: 38400/129 -> 255; A q = 129: 768/129 = 5.
    {"weight 0.5", ModeDodge, 0.5f, LICE_RGBA(128, 254, 0, 255), LICE_RGBA(100, 150, 77, 3), LICE_RGBA(133, 255, 77, 5)},
    // w = 128: R q = 256 - 127 = 129: 25600/129 = 198; G q = 192: 133; A q = 256 - 63 = 193: 132.
    {"source alpha 127", kDodgeSourceAlpha, 1.0f, LICE_RGBA(255, 128, 0, 127), LICE_RGBA(100, 100, 100, 100),
     LICE_RGBA(198, 133, 100, 132)},
    // Not skipped, but w = 1 leaves q = 256: no change.
    {"transparent source", kDodgeSourceAlpha, 1.0f, LICE_RGBA(255, 255, 255, 0), LICE_RGBA(100, 100, 100, 100),
     LICE_RGBA(100, 100, 100, 100)},
  });
}

TEST(CompositeBlend, OutOfRangeWeightsStayDefined)
{
  // Weights are limited to +-65536 (alpha +-256) before any arithmetic, so
  // these run without overflow; the sanitizer build checks that.
  const float extremes[] = {std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity(), 1e30f,
                            -1e30f, 300.0f};
  const int modes[] = {ModeCopy, ModeAdd, ModeDodge, kCopySourceAlpha, kAddSourceAlpha, kDodgeSourceAlpha};
  for (const int mode : modes)
    for (const float alpha : extremes)
      BlendOne({"", mode, alpha, LICE_RGBA(200, 100, 50, 128), LICE_RGBA(10, 20, 30, 40), 0});

  // Full additive weight saturates whatever is added.
  EXPECT_EQ(BlendOne({"", ModeAdd, std::numeric_limits<float>::infinity(), LICE_RGBA(1, 1, 1, 1),
                      LICE_RGBA(10, 20, 30, 40), 0}),
            LICE_RGBA(255, 255, 255, 255));
}

TEST(CompositeBlend, BlendsEveryPixelOfAnOffsetBlock)
{
  auto dest = MakeFilled(5, 4, LICE_RGBA(0, 0, 0, 255));
  auto src = MakeFilled(3, 2, LICE_RGBA(200, 100, 50, 255));
  SetPixelAt(*src, 2, 1, LICE_RGBA(200, 100, 50, 0));

  LICE_Composite(dest.get(), src.get(), 1, 2, nullptr, 0.25f, kCopySourceAlpha);

  // n = 64, keep 192: R 200 + (-200*192)/256 = 50; G 100 - 75 = 25; B 50 - 37 = 13.
  const LICE_pixel blended = LICE_RGBA(50, 25, 13, 255);
  for (int y = 0; y < 4; ++y)
  {
    for (int x = 0; x < 5; ++x)
    {
      const bool inside = x >= 1 && x < 4 && y >= 2 && y < 4 && !(x == 3 && y == 3);
      EXPECT_EQ(Hex(PixelAt(*dest, x, y)), Hex(inside ? blended : LICE_RGBA(0, 0, 0, 255)))
        << "at (" << x << ", " << y << ")";
    }
  }
}
} // namespace
