#include "tools/artwork/CairoHandles.h"

#include <stdexcept>

namespace velkor::artwork {

Surface makeImage(int width, int height, int scale) {
  Surface surface{cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width * scale, height * scale)};
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
    throw std::runtime_error("cannot create a picture surface");
  }
  cairo_surface_set_device_scale(surface.get(), scale, scale);
  return surface;
}

Context makeContext(const Surface& surface) {
  Context cr{cairo_create(surface.get())};
  if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS) {
    throw std::runtime_error("cannot create a drawing context");
  }
  return cr;
}

void writePng(const Surface& surface, const std::string& path) {
  cairo_surface_flush(surface.get());
  if (cairo_surface_write_to_png(surface.get(), path.c_str()) != CAIRO_STATUS_SUCCESS) {
    throw std::runtime_error("cannot write " + path);
  }
}

}  // namespace velkor::artwork
