#include "raster/LICE_PlatformFont.h"

#include "raster/AsciiCase.h"
#include "raster/ModuleResource.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>
#include <cstddef>

// Linux has no system font the module could rely on: the platform font is a
// FreeType face over the TrueType font the module embeds, hinted and
// anti-aliased (plain black and white for the non-antialiased quality).
// Bold and italic are synthesised from the outlines. Rotated fonts are
// refused: strings here are always laid out horizontally.
namespace
{
struct EmbeddedFace
{
  const char* name;
  int resourceId;
};

constexpr EmbeddedFace kEmbeddedFaces[] = {{"Arial", 107}};

constexpr int kBoldWeight = 700;
constexpr int kNonAntialiasedQuality = 1;
// tan(12 degrees) in 16.16, the usual slant of a synthesised italic.
constexpr FT_Fixed kItalicShear = 0x0366A;

const EmbeddedFace* FindEmbeddedFace(const char* name)
{
  for (const EmbeddedFace& face : kEmbeddedFaces)
    if (name != nullptr && EqualsIgnoringAsciiCase(name, face.name))
      return &face;
  return nullptr;
}

int RoundToPixels(FT_Pos value26Dot6) { return static_cast<int>(std::lround(static_cast<double>(value26Dot6) / 64.0)); }
} // namespace

struct LICE_PlatformFont::Native
{
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  int ascent = 0;
  int lineHeight = 0;
  // Extra stroke width of synthesised bold, 26.6; 0 for normal weight.
  FT_Pos emboldening = 0;
  bool italic = false;
  bool monochrome = false;

  ~Native()
  {
    if (face != nullptr)
      FT_Done_Face(face);
    if (library != nullptr)
      FT_Done_FreeType(library);
  }

  FT_Int32 LoadFlags() const
  {
    return FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP | (monochrome ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_NORMAL);
  }

  // Loads the character's outline with the synthesised style applied.
  bool Load(int code)
  {
    if (FT_Load_Char(face, static_cast<FT_ULong>(code), LoadFlags()) != 0)
      return false;
    FT_GlyphSlot slot = face->glyph;
    if (slot->format != FT_GLYPH_FORMAT_OUTLINE)
      return true;
    if (italic)
    {
      FT_Matrix shear{0x10000, kItalicShear, 0, 0x10000};
      FT_Outline_Transform(&slot->outline, &shear);
    }
    if (emboldening > 0)
    {
      FT_Outline_EmboldenXY(&slot->outline, emboldening, 0);
      slot->advance.x += emboldening;
    }
    return true;
  }
};

LICE_PlatformFont::LICE_PlatformFont(Native* native) : native_(native) {}

LICE_PlatformFont::~LICE_PlatformFont() { delete native_; }

std::unique_ptr<LICE_PlatformFont> LICE_PlatformFont::Create(const LICE_FontRequest& request)
{
  const EmbeddedFace* embedded = FindEmbeddedFace(request.faceName);
  if (embedded == nullptr || request.height <= 0 || request.orientation != 0)
    return nullptr;
  const ModuleResource resource = FindModuleResource(embedded->resourceId, kResourceTypeRawData);
  if (resource.data == nullptr)
    return nullptr;

  auto native = std::make_unique<Native>();
  if (FT_Init_FreeType(&native->library) != 0)
  {
    native->library = nullptr;
    return nullptr;
  }
  if (FT_New_Memory_Face(native->library, resource.data, resource.size, 0, &native->face) != 0)
  {
    native->face = nullptr;
    return nullptr;
  }
  // The requested height is the cell height, ascent plus descent, as the
  // platform fonts of other systems take it.
  FT_Size_RequestRec size{FT_SIZE_REQUEST_TYPE_REAL_DIM, 0, FT_Long{request.height} * 64, 0, 0};
  if (FT_Request_Size(native->face, &size) != 0)
    return nullptr;

  const FT_Fixed yScale = native->face->size->metrics.y_scale;
  native->ascent = RoundToPixels(FT_MulFix(native->face->ascender, yScale));
  native->lineHeight = native->ascent + RoundToPixels(FT_MulFix(-native->face->descender, yScale));
  if (request.weight >= kBoldWeight)
    native->emboldening = std::max<FT_Pos>(64, (FT_MulFix(native->face->units_per_EM, yScale) / 24) & ~FT_Pos{63});
  native->italic = request.italic;
  native->monochrome = request.quality == kNonAntialiasedQuality;
  return std::unique_ptr<LICE_PlatformFont>(new LICE_PlatformFont(native.release()));
}

int LICE_PlatformFont::LineHeight() const { return native_->lineHeight; }

LICE_GlyphCell LICE_PlatformFont::MeasureGlyph(int code)
{
  if (!native_->Load(code))
    return {};
  return {RoundToPixels(native_->face->glyph->advance.x), native_->lineHeight};
}

void LICE_PlatformFont::DrawGlyph(int code, LICE_IBitmap& canvas, int x, int y)
{
  if (!native_->Load(code) || canvas.PixelData() == nullptr)
    return;
  FT_GlyphSlot slot = native_->face->glyph;
  const FT_Render_Mode mode = native_->monochrome ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL;
  if (FT_Render_Glyph(slot, mode) != 0)
    return;

  const FT_Bitmap& bitmap = slot->bitmap;
  const int left = x + slot->bitmap_left;
  const int top = y + native_->ascent - slot->bitmap_top;
  for (int row = 0; row < static_cast<int>(bitmap.rows); ++row)
  {
    const int canvasY = top + row;
    if (canvasY < 0 || canvasY >= canvas.Height())
      continue;
    const unsigned char* source = bitmap.buffer + static_cast<std::ptrdiff_t>(bitmap.pitch) * row;
    LICE_pixel* target = canvas.PixelData() + static_cast<std::ptrdiff_t>(canvas.RowStride()) * canvasY;
    for (int column = 0; column < static_cast<int>(bitmap.width); ++column)
    {
      const int canvasX = left + column;
      if (canvasX < 0 || canvasX >= canvas.Width())
        continue;
      int coverage = 0;
      if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO)
        coverage = (source[column / 8] & (0x80 >> (column % 8))) != 0 ? 255 : 0;
      else
        coverage = source[column];
      const int drawn = std::max(coverage, LICE_GetR(target[canvasX]));
      target[canvasX] = LICE_RGBA(drawn, drawn, drawn, 0);
    }
  }
}

std::optional<int> LICE_PlatformFont::DrawStringNative(LICE_IBitmap*, const char*, int, IRectI&, int,
                                                       const LICE_NativeTextColours&, bool)
{
  // Linux draws no strings itself: every string takes the cached path.
  return std::nullopt;
}
