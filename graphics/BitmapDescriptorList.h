#pragma once

#include "graphics/IFrameBitmap.h"

// Every film-strip description handed out, for the life of the process:
// controls keep references to them.
namespace BitmapDescriptorList
{
// Keeps a copy of `bitmap` and returns it.
const IFrameBitmap& Append(const IFrameBitmap& bitmap);
} // namespace BitmapDescriptorList
