#include "FreeTypeReference.h"

#include "raster/ModuleResource.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>

struct FreeTypeReference::Face
{
  FT_Library library = nullptr;
  FT_Face face = nullptr;

  ~Face()
  {
    if (face != nullptr)
      FT_Done_Face(face);
    if (library != nullptr)
      FT_Done_FreeType(library);
  }
};

FreeTypeReference::FreeTypeReference(int cellHeight) : face_(std::make_unique<Face>())
{
  const ModuleResource font = FindModuleResource(107, kResourceTypeRawData);
  if (font.data == nullptr || FT_Init_FreeType(&face_->library) != 0 ||
      FT_New_Memory_Face(face_->library, font.data, font.size, 0, &face_->face) != 0)
    return;
  FT_Size_RequestRec request{FT_SIZE_REQUEST_TYPE_REAL_DIM, 0, cellHeight * 64, 0, 0};
  FT_Request_Size(face_->face, &request);
  const FT_Fixed scale = face_->face->size->metrics.y_scale;
  ascent_ = static_cast<int>(std::lround(static_cast<double>(FT_MulFix(face_->face->ascender, scale)) / 64.0));
  cellHeight_ = ascent_ + static_cast<int>(std::lround(static_cast<double>(FT_MulFix(-face_->face->descender, scale)) / 64.0));
}

FreeTypeReference::~FreeTypeReference() = default;

bool FreeTypeReference::Loaded() const { return face_->face != nullptr; }

ReferenceGlyph FreeTypeReference::Glyph(int code) const
{
  ReferenceGlyph glyph;
  FT_Face face = face_->face;
  if (FT_Load_Char(face, static_cast<FT_ULong>(code), FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) != 0 ||
      FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0)
    return glyph;
  const FT_Bitmap& bitmap = face->glyph->bitmap;
  glyph.advance = static_cast<int>(std::lround(static_cast<double>(face->glyph->advance.x) / 64.0));
  glyph.left = face->glyph->bitmap_left;
  glyph.top = face->glyph->bitmap_top;
  glyph.width = static_cast<int>(bitmap.width);
  glyph.rows = static_cast<int>(bitmap.rows);
  for (int row = 0; row < glyph.rows; ++row)
    for (int column = 0; column < glyph.width; ++column)
      glyph.coverage.push_back(bitmap.buffer[row * bitmap.pitch + column]);
  return glyph;
}
