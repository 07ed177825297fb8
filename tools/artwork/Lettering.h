#pragma once

#include "tools/artwork/Paint.h"

#include <cairo.h>

#include <string_view>

typedef struct FT_LibraryRec_* FT_Library;
typedef struct FT_FaceRec_* FT_Face;

namespace velkor::artwork {

enum class Weight { regular, bold };
enum class Align { left, centre, right };

struct TextStyle {
  Weight weight = Weight::bold;
  double size = 9;
  Colour colour = rgb(0x2B2B2B);
  double tracking = 0;  // extra pixels after every letter, for spaced-out capitals
};

// Liberation Sans loaded straight from its file, so the result never depends on
// which fonts the machine's font configuration happens to prefer.
class Lettering {
 public:
  Lettering();
  ~Lettering();
  Lettering(const Lettering&) = delete;
  Lettering& operator=(const Lettering&) = delete;

  double width(cairo_t* cr, std::string_view text, const TextStyle& style) const;
  // (x, baseline) is the anchor; align says which end of the text sits on x.
  void draw(cairo_t* cr, std::string_view text, double x, double baseline, const TextStyle& style,
            Align align = Align::left) const;
  // Printed into the panel: a light lip under dark letters makes them read as screen print on metal.
  void engrave(cairo_t* cr, std::string_view text, double x, double baseline, const TextStyle& style,
               Align align = Align::left) const;

 private:
  void select(cairo_t* cr, const TextStyle& style) const;

  FT_Library library_ = nullptr;
  FT_Face regularFace_ = nullptr;
  FT_Face boldFace_ = nullptr;
  cairo_font_face_t* regular_ = nullptr;
  cairo_font_face_t* bold_ = nullptr;
};

}  // namespace velkor::artwork
