#include "raster/ycairo_text.h"

#include "raster/CairoTextPlacement.h"
#include "raster/ModuleResource.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

namespace
{
// Each face has a FreeType library of its own, so no FreeType object is
// shared between controls or threads.
struct FreeTypeFace
{
  FT_Library library = nullptr;
  FT_Face face = nullptr;
};

void ReleaseFreeTypeFace(void* data)
{
  auto* owned = static_cast<FreeTypeFace*>(data);
  if (owned->face != nullptr)
    FT_Done_Face(owned->face);
  if (owned->library != nullptr)
    FT_Done_FreeType(owned->library);
  delete owned;
}

const cairo_user_data_key_t kFreeTypeFaceKey{};

FreeTypeFace* LoadFace(const ModuleResource& resource)
{
  auto* owned = new FreeTypeFace;
  if (FT_Init_FreeType(&owned->library) != 0)
    owned->library = nullptr;
  else if (FT_New_Memory_Face(owned->library, resource.data, resource.size, 0, &owned->face) != 0)
    owned->face = nullptr;
  if (owned->face == nullptr)
  {
    ReleaseFreeTypeFace(owned);
    return nullptr;
  }
  return owned;
}
} // namespace

ycairo_text::~ycairo_text() { ReleaseFont(); }

void ycairo_text::ReleaseFont()
{
  if (fontFace_ != nullptr)
    cairo_font_face_destroy(fontFace_);
  fontFace_ = nullptr;
}

void ycairo_text::LoadFontResource(int id, int type)
{
  ReleaseFont();
  const ModuleResource resource = FindModuleResource(id, type);
  if (resource.data == nullptr)
    return;
  FreeTypeFace* owned = LoadFace(resource);
  if (owned == nullptr)
    return;

  // cairo may keep the face in its font caches after this part lets go of
  // it, so the FreeType face is freed by cairo, when its last user is gone.
  cairo_font_face_t* face = cairo_ft_font_face_create_for_ft_face(owned->face, 0);
  if (cairo_font_face_status(face) != CAIRO_STATUS_SUCCESS ||
      cairo_font_face_set_user_data(face, &kFreeTypeFaceKey, owned, ReleaseFreeTypeFace) != CAIRO_STATUS_SUCCESS)
  {
    cairo_font_face_destroy(face);
    ReleaseFreeTypeFace(owned);
    return;
  }
  fontFace_ = face;
}

void ycairo_text::ShowTextInRect(cairo_t* cr, const char* text, double size, LICE_pixel colour, const IRectI& rect,
                                 int hAlign, int vAlign)
{
  if (cr == nullptr)
    return;
  if (text == nullptr)
    text = "";
  cairo_set_source_rgba(cr, LICE_GetR(colour) / 255.0, LICE_GetG(colour) / 255.0, LICE_GetB(colour) / 255.0,
                        LICE_GetA(colour) / 255.0);
  if (fontFace_ != nullptr)
    cairo_set_font_face(cr, fontFace_);
  cairo_set_font_size(cr, size);

  text_ = text;
  textRect_ = rect;
  cairo_font_extents(cr, &fontExtents_);
  cairo_text_extents(cr, text, &textExtents_);

  const double x = CairoPenX(rect, hAlign, textExtents_.width, textExtents_.x_bearing);
  const double y =
    CairoBaselineY(rect, vAlign, fontExtents_.ascent, fontExtents_.descent, fontExtents_.height);
  cairo_move_to(cr, x, y);
  cairo_show_text(cr, text);
}
