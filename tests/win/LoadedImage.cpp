#include "LoadedImage.h"

namespace
{
template <class T>
const T* AtOffset(HMODULE module, DWORD offset)
{
  return reinterpret_cast<const T*>(reinterpret_cast<const BYTE*>(module) + offset);
}

const IMAGE_DATA_DIRECTORY& Directory(HMODULE module, int entry)
{
  const auto* dos = AtOffset<IMAGE_DOS_HEADER>(module, 0);
  const auto* headers = AtOffset<IMAGE_NT_HEADERS64>(module, static_cast<DWORD>(dos->e_lfanew));
  return headers->OptionalHeader.DataDirectory[entry];
}
} // namespace

std::vector<std::string> ExportedNames(HMODULE module)
{
  const IMAGE_DATA_DIRECTORY& directory = Directory(module, IMAGE_DIRECTORY_ENTRY_EXPORT);
  if (directory.VirtualAddress == 0)
    return {};
  const auto* exports = AtOffset<IMAGE_EXPORT_DIRECTORY>(module, directory.VirtualAddress);
  const auto* names = AtOffset<DWORD>(module, exports->AddressOfNames);
  std::vector<std::string> result;
  for (DWORD i = 0; i < exports->NumberOfNames; ++i)
    result.emplace_back(AtOffset<char>(module, names[i]));
  return result;
}

std::vector<std::string> ImportedLibraries(HMODULE module)
{
  const IMAGE_DATA_DIRECTORY& directory = Directory(module, IMAGE_DIRECTORY_ENTRY_IMPORT);
  if (directory.VirtualAddress == 0)
    return {};
  std::vector<std::string> result;
  for (const auto* entry = AtOffset<IMAGE_IMPORT_DESCRIPTOR>(module, directory.VirtualAddress); entry->Name != 0;
       ++entry)
    result.emplace_back(AtOffset<char>(module, entry->Name));
  return result;
}
