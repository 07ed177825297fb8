#include "tools/artwork/Lettering.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cairo-ft.h>

#include <stdexcept>
#include <string>

namespace velkor::artwork {

namespace {

constexpr const char* regularPath = "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf";
constexpr const char* boldPath = "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf";

FT_Face openFace(FT_Library library, const char* path) {
  FT_Face face = nullptr;
  if (FT_New_Face(library, path, 0, &face) != 0) {
    throw std::runtime_error(std::string("cannot open font ") + path + " (Debian package fonts-liberation2)");
  }
  return face;
}

std::size_t letterCount(std::string_view text) {
  std::size_t count = 0;
  for (const char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  }
  return count;
}

}  // namespace

Lettering::Lettering() {
  if (FT_Init_FreeType(&library_) != 0) {
    throw std::runtime_error("cannot start FreeType");
  }
  regularFace_ = openFace(library_, regularPath);
  boldFace_ = openFace(library_, boldPath);
  regular_ = cairo_ft_font_face_create_for_ft_face(regularFace_, 0);
  bold_ = cairo_ft_font_face_create_for_ft_face(boldFace_, 0);
}

Lettering::~Lettering() {
  cairo_font_face_destroy(regular_);
  cairo_font_face_destroy(bold_);
  FT_Done_Face(regularFace_);
  FT_Done_Face(boldFace_);
  FT_Done_FreeType(library_);
}

void Lettering::select(cairo_t* cr, const TextStyle& style) const {
  cairo_set_font_face(cr, style.weight == Weight::bold ? bold_ : regular_);
  cairo_set_font_size(cr, style.size);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_set_font_options(cr, options);
  cairo_font_options_destroy(options);
}

double Lettering::width(cairo_t* cr, std::string_view text, const TextStyle& style) const {
  cairo_save(cr);
  select(cr, style);
  const std::string copy(text);
  cairo_text_extents_t extents;
  cairo_text_extents(cr, copy.c_str(), &extents);
  cairo_restore(cr);
  const std::size_t letters = letterCount(text);
  return extents.x_advance + style.tracking * static_cast<double>(letters > 0 ? letters - 1 : 0);
}

void Lettering::draw(cairo_t* cr, std::string_view text, double x, double baseline, const TextStyle& style,
                     Align align) const {
  const double w = width(cr, text, style);
  double pen = x;
  if (align == Align::centre) pen -= w / 2;
  if (align == Align::right) pen -= w;
  cairo_save(cr);
  select(cr, style);
  setColour(cr, style.colour);
  if (style.tracking == 0) {
    const std::string copy(text);
    cairo_move_to(cr, pen, baseline);
    cairo_show_text(cr, copy.c_str());
  } else {
    // Letter by letter: UTF-8 sequences stay together so "−" and "·" survive.
    std::size_t i = 0;
    while (i < text.size()) {
      std::size_t n = 1;
      while (i + n < text.size() && (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80) ++n;
      const std::string letter(text.substr(i, n));
      cairo_text_extents_t extents;
      cairo_text_extents(cr, letter.c_str(), &extents);
      cairo_move_to(cr, pen, baseline);
      cairo_show_text(cr, letter.c_str());
      pen += extents.x_advance + style.tracking;
      i += n;
    }
  }
  cairo_restore(cr);
}

void Lettering::engrave(cairo_t* cr, std::string_view text, double x, double baseline, const TextStyle& style,
                        Align align) const {
  TextStyle lip = style;
  lip.colour = rgb(0xFFFFFF);
  cairo_push_group(cr);
  draw(cr, text, x, baseline + 1, lip, align);
  cairo_pop_group_to_source(cr);
  cairo_paint_with_alpha(cr, 0.45);
  draw(cr, text, x, baseline, style, align);
}

}  // namespace velkor::artwork
