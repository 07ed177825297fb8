#include "tools/vst3host/ModuleLoading.h"

#include <windows.h>

#include <string>

namespace VstHost
{
namespace
{
// Paths arrive in UTF-8; LoadLibraryW wants UTF-16 and backslashes.
std::wstring WindowsPath(const std::string& path)
{
  const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(), static_cast<int>(path.size()),
                                         nullptr, 0);
  if (length <= 0)
    return {};
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(), static_cast<int>(path.size()), wide.data(), length);
  for (wchar_t& c : wide)
    if (c == L'/')
      c = L'\\';
  return wide;
}

std::string SystemErrorText(DWORD code)
{
  char* text = nullptr;
  const DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                        FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string message = length > 0 ? std::string(text, length) : "Windows error " + std::to_string(code);
  LocalFree(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
    message.pop_back();
  return message;
}
} // namespace

std::string ModuleBinaryPath(const std::string& bundlePath)
{
  return bundlePath + "/Contents/x86_64-win/" + BundleName(bundlePath, "/\\") + ".vst3";
}

void* OpenLibrary(const std::string& path, std::string& error)
{
  const std::wstring windowsPath = WindowsPath(path);
  if (windowsPath.empty())
  {
    error = "the path is not valid UTF-8";
    return nullptr;
  }
  HMODULE library = LoadLibraryW(windowsPath.c_str());
  if (library == nullptr)
    error = SystemErrorText(GetLastError());
  return library;
}

void* LibrarySymbol(void* library, const char* name)
{
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

void CloseLibrary(void* library)
{
  FreeLibrary(static_cast<HMODULE>(library));
}

// Windows hosts call InitDll after loading a module and ExitDll before
// unloading it; both are optional exports.
bool EnterModule(void* library)
{
  using InitDllFunction = bool (*)();
  auto init = reinterpret_cast<InitDllFunction>(LibrarySymbol(library, "InitDll"));
  return init == nullptr || init();
}

void ExitModule(void* library)
{
  using ExitDllFunction = bool (*)();
  if (auto exit = reinterpret_cast<ExitDllFunction>(LibrarySymbol(library, "ExitDll")))
    exit();
}
}
