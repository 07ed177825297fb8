#include <cairo-ft.h>
#include <cairo.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

namespace
{
std::vector<unsigned char> ReadFont()
{
  std::ifstream file(VELKOR_FONT_FILE, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

struct FaceRelease
{
  FT_Face face;
  bool* released;
};

void ReleaseFace(void* data)
{
  auto* release = static_cast<FaceRelease*>(data);
  FT_Done_Face(release->face);
  *release->released = true;
}

const cairo_user_data_key_t kFaceKey{};

// The static cairo has no DllMain to set up its locks. Making a font face
// from a FreeType face is the first call that takes one without checking,
// and used to wait for ever; the face must then stay alive until cairo's
// caches let it go, which is before FreeType itself is shut down.
TEST(CairoWithFreeType, FontFaceFromAnEmbeddedFaceDrawsTextAndReleasesTheFaceBeforeFreeTypeEnds)
{
  const std::vector<unsigned char> font = ReadFont();
  ASSERT_FALSE(font.empty());
  FT_Library library = nullptr;
  ASSERT_EQ(FT_Init_FreeType(&library), 0);
  FT_Face face = nullptr;
  ASSERT_EQ(FT_New_Memory_Face(library, font.data(), static_cast<FT_Long>(font.size()), 0, &face), 0);

  cairo_font_face_t* fontFace = cairo_ft_font_face_create_for_ft_face(face, 0);
  ASSERT_EQ(cairo_font_face_status(fontFace), CAIRO_STATUS_SUCCESS);
  bool released = false;
  FaceRelease release{face, &released};
  ASSERT_EQ(cairo_font_face_set_user_data(fontFace, &kFaceKey, &release, ReleaseFace), CAIRO_STATUS_SUCCESS);

  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 80, 30);
  cairo_t* context = cairo_create(surface);
  cairo_set_font_face(context, fontFace);
  cairo_set_font_size(context, 20.0);
  cairo_set_source_rgb(context, 1.0, 1.0, 1.0);
  cairo_move_to(context, 2.0, 22.0);
  cairo_show_text(context, "Tape");
  EXPECT_EQ(cairo_status(context), CAIRO_STATUS_SUCCESS);
  cairo_surface_flush(surface);

  const unsigned char* pixels = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  int inked = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 80; ++x)
      inked += pixels[y * stride + x * 4 + 3] != 0;
  EXPECT_GT(inked, 50);

  cairo_destroy(context);
  cairo_surface_destroy(surface);
  cairo_font_face_destroy(fontFace);
  cairo_debug_reset_static_data();
  EXPECT_TRUE(released);
  EXPECT_EQ(FT_Done_FreeType(library), 0);
}
} // namespace
