#pragma once

#include <cairo.h>

// A cairo face of its own over the embedded font's bytes, made without the
// selectors' text code, to check what they print. The caller destroys it;
// cairo frees the FreeType face when it no longer needs it.
cairo_font_face_t* CreateReferenceCairoFace();
