#include "raster/LoadPngResource.h"

#include "raster/AsciiCase.h"
#include "raster/LICE_DecodePng.h"
#include "raster/ModuleResource.h"

#include <cstring>

namespace
{
bool HasPngExtension(const char* name)
{
  if (name == nullptr)
    return false;
  const char* dot = std::strrchr(name, '.');
  return dot != nullptr && EqualsIgnoringAsciiCase(dot + 1, "png");
}
} // namespace

std::unique_ptr<LICE_IBitmap> LoadPngResource(int id, const char* name)
{
  if (!HasPngExtension(name))
    return nullptr;
  // The decoder refuses a missing or short resource itself.
  const ModuleResource resource = FindModuleResource(id, "PNG");
  return LICE_DecodePng(resource.data, resource.size);
}
