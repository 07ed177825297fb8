#include "LoadedImage.h"
#include "LoadedModule.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace
{
struct ResourceBytes
{
  const unsigned char* data = nullptr;
  DWORD size = 0;
};

ResourceBytes FindIn(HMODULE module, int id, LPCSTR type)
{
  const HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), type);
  if (found == nullptr)
    return {};
  const HGLOBAL loaded = LoadResource(module, found);
  return {static_cast<const unsigned char*>(LockResource(loaded)), SizeofResource(module, found)};
}

bool StartsWith(const ResourceBytes& bytes, const std::vector<unsigned char>& signature)
{
  return bytes.data != nullptr && bytes.size >= signature.size() &&
         std::equal(signature.begin(), signature.end(), bytes.data);
}

const std::vector<unsigned char> kPngSignature = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
const std::vector<unsigned char> kTrueTypeSignature = {0x00, 0x01, 0x00, 0x00};

TEST_F(LoadedModule, ExportsExactlyTheThreeHostFunctions)
{
  std::vector<std::string> names = ExportedNames(library);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"ExitDll", "GetPluginFactory", "InitDll"}));
}

// Linked with its C and C++ runtimes inside, the module needs nothing a
// plain Windows installation lacks.
TEST_F(LoadedModule, ImportsOnlyWindowsSystemLibraries)
{
  wchar_t systemFolder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(systemFolder, MAX_PATH);
  ASSERT_GT(length, 0u);
  const std::vector<std::string> libraries = ImportedLibraries(library);
  EXPECT_FALSE(libraries.empty());
  for (const std::string& name : libraries)
  {
    SCOPED_TRACE(name);
    const std::wstring path = std::wstring(systemFolder, length) + L"\\" + std::wstring(name.begin(), name.end());
    EXPECT_NE(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
    for (const char* runtime : {"libstdc++", "libgcc", "libwinpthread", "libpng", "zlib", "libcairo", "libfreetype"})
      EXPECT_EQ(name.find(runtime), std::string::npos);
  }
}

TEST_F(LoadedModule, CarriesTheEditorPicturesAndFontUnderTheirIdsAndTypes)
{
  for (int id = 101; id <= 106; ++id)
  {
    SCOPED_TRACE(id);
    EXPECT_TRUE(StartsWith(FindIn(library, id, "PNG"), kPngSignature));
    EXPECT_EQ(FindIn(library, id, RT_RCDATA).data, nullptr);
  }
  EXPECT_TRUE(StartsWith(FindIn(library, 107, RT_RCDATA), kTrueTypeSignature));
  EXPECT_EQ(FindIn(library, 107, "PNG").data, nullptr);
  EXPECT_EQ(FindIn(library, 100, "PNG").data, nullptr);
  EXPECT_EQ(FindIn(library, 108, RT_RCDATA).data, nullptr);
}
} // namespace
