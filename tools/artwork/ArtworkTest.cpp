#include "tools/artwork/CairoHandles.h"
#include "tools/artwork/Pictures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <string>

namespace {

struct ExpectedSize {
  const char* file;
  int width;
  int height;
};

// The editor cuts frames out of these strips by arithmetic, so one pixel off shifts every frame.
constexpr ExpectedSize expectedSizes[] = {
    {"bkg.png", 760, 450},   {"button.png", 42, 84},    {"led.png", 16, 320},
    {"vumeter.png", 250, 12500}, {"knob.png", 120, 8760}, {"recorders.png", 180, 720},
};

const std::filesystem::path committed = VELKOR_SOURCE_DIR "/resources/img";

velkor::artwork::Surface readPng(const std::filesystem::path& path) {
  return velkor::artwork::Surface{cairo_image_surface_create_from_png(path.string().c_str())};
}

void expectSizes(const std::filesystem::path& folder) {
  for (const int scale : {1, 2}) {
    const std::filesystem::path scaled = scale == 1 ? folder : folder / velkor::artwork::doubleScaleFolder;
    for (const ExpectedSize& expected : expectedSizes) {
      const std::string path = (scaled / expected.file).string();
      velkor::artwork::Surface picture = readPng(path);
      ASSERT_EQ(cairo_surface_status(picture.get()), CAIRO_STATUS_SUCCESS) << path;
      EXPECT_EQ(cairo_image_surface_get_width(picture.get()), expected.width * scale) << path;
      EXPECT_EQ(cairo_image_surface_get_height(picture.get()), expected.height * scale) << path;
    }
  }
}

// One channel (0 blue ... 3 alpha) of a premultiplied ARGB32 pixel.
int channel(cairo_surface_t* picture, int x, int y, int c) {
  const unsigned char* row = cairo_image_surface_get_data(picture) + y * cairo_image_surface_get_stride(picture);
  return row[x * 4 + c];
}

// The mean of the 2 x 2 block of `doubled` that the pixel (x, y) of the 1x picture covers.
double halved(cairo_surface_t* doubled, int x, int y, int c) {
  return (channel(doubled, 2 * x, 2 * y, c) + channel(doubled, 2 * x + 1, 2 * y, c) +
          channel(doubled, 2 * x, 2 * y + 1, c) + channel(doubled, 2 * x + 1, 2 * y + 1, c)) /
         4.0;
}

struct Comparison {
  // Mean absolute difference per channel between the halved 2x picture and the 1x one.
  double halvedDifference = 0;
  // Mean absolute difference per channel between the 2x picture and each of
  // its 2 x 2 blocks' mean: the detail a 1x picture stretched to 2x cannot
  // hold, since its blocks are flat.
  double finerDetail = 0;
};

// Over the area (x, y, w, h) of the 1x picture.
Comparison compare(const char* file, int x0, int y0, int w, int h) {
  velkor::artwork::Surface single = readPng(committed / file);
  velkor::artwork::Surface doubled = readPng(committed / velkor::artwork::doubleScaleFolder / file);
  Comparison result;
  for (int y = y0; y < y0 + h; ++y) {
    for (int x = x0; x < x0 + w; ++x) {
      for (int c = 0; c < 4; ++c) {
        const double mean = halved(doubled.get(), x, y, c);
        result.halvedDifference += std::abs(mean - channel(single.get(), x, y, c));
        for (int k = 0; k < 4; ++k) {
          result.finerDetail += std::abs(channel(doubled.get(), 2 * x + k % 2, 2 * y + k / 2, c) - mean) / 4;
        }
      }
    }
  }
  const double samples = 4.0 * w * h;
  result.halvedDifference /= samples;
  result.finerDetail /= samples;
  return result;
}

TEST(Artwork, GeneratedPicturesHaveTheEditorSizesAtBothScales) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "velkortape-artwork-test";
  std::filesystem::create_directories(folder);
  velkor::artwork::writeAllPictures(folder.string());
  expectSizes(folder);
  std::filesystem::remove_all(folder);
}

TEST(Artwork, CommittedPicturesHaveTheEditorSizesAtBothScales) { expectSizes(committed); }

// The 2x pictures are the 1x drawing at twice the pixels: halved they are
// nearly the 1x pictures (within a few levels of 255 on average), yet
// lettering and knurling carry edges finer than a 1x pixel, where a 1x
// picture stretched to 2x has none at all.
TEST(Artwork, TwiceTheScaleIsTheSameDrawingWithFinerDetail) {
  struct Area {
    const char* what;
    const char* file;
    int x, y, w, h;
  };
  const Area areas[] = {
      {"the whole background", "bkg.png", 0, 0, 760, 450},
      {"the INPUT label and the knob scale's numbers", "bkg.png", 20, 190, 130, 30},
      {"the knob's first frame, knurled skirt and all", "knob.png", 0, 0, 120, 120},
      {"the VU scale", "vumeter.png", 0, 0, 250, 125},
      {"the machine pictures", "recorders.png", 0, 0, 180, 720},
  };
  for (const Area& a : areas) {
    const Comparison result = compare(a.file, a.x, a.y, a.w, a.h);
    EXPECT_LT(result.halvedDifference, 2.5) << a.what;
    EXPECT_GT(result.finerDetail, 0.5) << a.what;
  }
}

}  // namespace
