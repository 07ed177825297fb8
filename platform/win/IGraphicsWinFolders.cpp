#include "platform/win/IGraphicsWin.h"

#include "platform/win/FilePaths.h"
#include "platform/win/ModuleHandles.h"

#include <shlobj.h>

#include <vector>

namespace
{
// The module's full file name, however long: a path cut short at a fixed
// length would name the wrong folder.
std::string ModuleFileName(HMODULE module)
{
  std::vector<char> name(MAX_PATH);
  for (;;)
  {
    const DWORD length = GetModuleFileNameA(module, name.data(), static_cast<DWORD>(name.size()));
    if (length == 0)
      return {};
    if (length < name.size())
      return std::string(name.data(), length);
    name.resize(name.size() * 2);
  }
}

// The shell's folder calls write up to MAX_PATH characters.
std::string ShellFolder(int folder)
{
  char path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathA(nullptr, folder, nullptr, SHGFP_TYPE_CURRENT, path)))
    return {};
  return path;
}
} // namespace

void IGraphicsWin::GetHostPath(std::string& path) { path = FolderOf(ModuleFileName(nullptr)); }

void IGraphicsWin::GetPluginPath(std::string& path) { path = FolderOf(ModuleFileName(ModuleHandle())); }

void IGraphicsWin::GetDesktopPath(std::string& path)
{
  char folder[MAX_PATH] = {};
  path = SHGetSpecialFolderPathA(nullptr, folder, CSIDL_DESKTOP, FALSE) ? folder : "";
}

void IGraphicsWin::GetDocumentsPath(std::string& path) { path = ShellFolder(CSIDL_PERSONAL); }

void IGraphicsWin::GetAppDataPath(std::string& path, bool allUsers)
{
  path = ShellFolder(allUsers ? CSIDL_COMMON_APPDATA : CSIDL_LOCAL_APPDATA);
}

void IGraphicsWin::GetUserAppDataPath(std::string& path) { GetAppDataPath(path, false); }
