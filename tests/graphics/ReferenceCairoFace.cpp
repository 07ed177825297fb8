#include "ReferenceCairoFace.h"

#include "raster/ModuleResource.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

namespace
{
struct FreeTypeFace
{
  FT_Library library = nullptr;
  FT_Face face = nullptr;
};

void ReleaseFace(void* data)
{
  auto* owned = static_cast<FreeTypeFace*>(data);
  FT_Done_Face(owned->face);
  FT_Done_FreeType(owned->library);
  delete owned;
}

const cairo_user_data_key_t kFaceKey{};
} // namespace

cairo_font_face_t* CreateReferenceCairoFace()
{
  const ModuleResource font = FindModuleResource(107, kResourceTypeRawData);
  auto* owned = new FreeTypeFace;
  FT_Init_FreeType(&owned->library);
  FT_New_Memory_Face(owned->library, font.data, font.size, 0, &owned->face);
  cairo_font_face_t* face = cairo_ft_font_face_create_for_ft_face(owned->face, 0);
  cairo_font_face_set_user_data(face, &kFaceKey, owned, ReleaseFace);
  return face;
}
