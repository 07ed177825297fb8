#pragma once

#include "raster/ModuleResource.h"

// One resource compiled into the module by velkor_embed_resources; the
// generated tables hold these.
struct EmbeddedResource
{
  int id;
  // None for a numbered type.
  const char* typeName;
  int typeNumber;
  const unsigned char* data;
  // Emitted by the assembler right after the data.
  const int* size;
};

// Registers one generated table with the module's resource look-up. Each
// generated table defines one static instance, so the tables linked into a
// module are known before any look-up runs.
class EmbeddedResourceTable
{
public:
  EmbeddedResourceTable(const EmbeddedResource* entries, int count);

  EmbeddedResourceTable(const EmbeddedResourceTable&) = delete;
  EmbeddedResourceTable& operator=(const EmbeddedResourceTable&) = delete;

  static const EmbeddedResource* Find(int id, const ResourceType& type);

private:
  const EmbeddedResource* entries_;
  int count_;
  const EmbeddedResourceTable* next_;
};
