#include "raster/ModuleResource.h"

#include "platform/linux/EmbeddedResources.h"
#include "raster/AsciiCase.h"

namespace
{
// Constant-initialised, so it is empty before the first table registers.
constinit const EmbeddedResourceTable* gFirstTable = nullptr;

constexpr int kResourceIdMask = 0xFFFF;

bool HasType(const EmbeddedResource& resource, const ResourceType& type)
{
  if (type.Name() != nullptr)
    return resource.typeName != nullptr && EqualsIgnoringAsciiCase(resource.typeName, type.Name());
  return resource.typeName == nullptr && resource.typeNumber == type.Number();
}
} // namespace

EmbeddedResourceTable::EmbeddedResourceTable(const EmbeddedResource* entries, int count)
  : entries_(entries), count_(count), next_(gFirstTable)
{
  gFirstTable = this;
}

const EmbeddedResource* EmbeddedResourceTable::Find(int id, const ResourceType& type)
{
  const int wantedId = id & kResourceIdMask;
  for (const EmbeddedResourceTable* table = gFirstTable; table != nullptr; table = table->next_)
  {
    for (int i = 0; i < table->count_; ++i)
    {
      const EmbeddedResource& resource = table->entries_[i];
      if (resource.id == wantedId && HasType(resource, type))
        return &resource;
    }
  }
  return nullptr;
}

ModuleResource FindModuleResource(int id, const ResourceType& type)
{
  const EmbeddedResource* resource = EmbeddedResourceTable::Find(id, type);
  if (resource == nullptr)
    return {};
  return {resource->data, *resource->size};
}
