#pragma once

#include "raster/LICE_Bitmap.h"

#include <memory>

// Decodes the module's PNG resource `id` (resource type "PNG"). `name` is the
// picture's path, e.g. "resources/img/knob.png": only names ending in ".png"
// (any case) are loadable. None when the name, the resource or its data is
// unusable.
std::unique_ptr<LICE_IBitmap> LoadPngResource(int id, const char* name);
