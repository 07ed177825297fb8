#include "resource_module.h"

#include "raster/LoadPngResource.h"
#include "raster/ModuleResource.h"

int ResourceModuleResourceSize(int id, const char* typeName)
{
  const ModuleResource resource = FindModuleResource(id, typeName);
  return resource.data != nullptr ? resource.size : -1;
}

int ResourceModulePngWidth(int id)
{
  const auto bitmap = LoadPngResource(id, "module.png");
  return bitmap != nullptr ? bitmap->Width() : -1;
}
