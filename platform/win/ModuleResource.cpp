#include "raster/ModuleResource.h"

#include "platform/win/ModuleHandles.h"

#include <windows.h>

#include <climits>

namespace
{
constexpr int kResourceIdMask = 0xFFFF;
}

ModuleResource FindModuleResource(int id, const ResourceType& type)
{
  // Zero is no resource id or type; as an integer resource it would be a null name.
  const int wantedId = id & kResourceIdMask;
  if (wantedId == 0 || (type.Name() == nullptr && (type.Number() < 1 || type.Number() > kResourceIdMask)))
    return {};
  const LPCSTR typeKey = type.Name() != nullptr ? type.Name() : MAKEINTRESOURCEA(type.Number());

  const HMODULE module = ResourceModuleHandle();
  const HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(wantedId), typeKey);
  if (found == nullptr)
    return {};
  const DWORD size = SizeofResource(module, found);
  const HGLOBAL loaded = LoadResource(module, found);
  const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (data == nullptr || size > INT_MAX)
    return {};
  return {static_cast<const unsigned char*>(data), static_cast<int>(size)};
}
