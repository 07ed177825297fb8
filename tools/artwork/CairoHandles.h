#pragma once

#include <cairo.h>

#include <memory>
#include <string>

namespace velkor::artwork {

struct SurfaceDeleter {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextDeleter {
  void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};
struct PatternDeleter {
  void operator()(cairo_pattern_t* pattern) const { cairo_pattern_destroy(pattern); }
};

using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;
using Context = std::unique_ptr<cairo_t, ContextDeleter>;
using Pattern = std::unique_ptr<cairo_pattern_t, PatternDeleter>;

// Every picture is drawn with alpha so controls can leave their corners see-through.
// A picture for a display of `scale` times the editor's pixels holds that many
// more pixels each way, and is drawn in the editor's pixels all the same.
Surface makeImage(int width, int height, int scale);
Context makeContext(const Surface& surface);

// Throws when cairo reports an error, so a broken picture never gets written silently.
void writePng(const Surface& surface, const std::string& path);

}  // namespace velkor::artwork
