#include "tools/artwork/CairoHandles.h"
#include "tools/artwork/Pictures.h"

#include <gtest/gtest.h>

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

void expectSizes(const std::filesystem::path& folder) {
  for (const ExpectedSize& expected : expectedSizes) {
    const std::string path = (folder / expected.file).string();
    velkor::artwork::Surface picture{cairo_image_surface_create_from_png(path.c_str())};
    ASSERT_EQ(cairo_surface_status(picture.get()), CAIRO_STATUS_SUCCESS) << path;
    EXPECT_EQ(cairo_image_surface_get_width(picture.get()), expected.width) << path;
    EXPECT_EQ(cairo_image_surface_get_height(picture.get()), expected.height) << path;
  }
}

TEST(Artwork, GeneratedPicturesHaveTheEditorSizes) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "velkortape-artwork-test";
  std::filesystem::create_directories(folder);
  velkor::artwork::writeAllPictures(folder.string());
  expectSizes(folder);
  std::filesystem::remove_all(folder);
}

TEST(Artwork, CommittedPicturesHaveTheEditorSizes) { expectSizes(VELKOR_SOURCE_DIR "/resources/img"); }

}  // namespace
