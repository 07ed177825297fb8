#include "tools/vst3host/ModuleLoading.h"

#include <dlfcn.h>
#include <link.h>

namespace VstHost
{
std::string ModuleBinaryPath(const std::string& bundlePath)
{
  return bundlePath + "/Contents/x86_64-linux/" + BundleName(bundlePath, "/") + ".so";
}

void* OpenLibrary(const std::string& path, std::string& error)
{
  void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!library)
    error = dlerror();
  return library;
}

void* LibrarySymbol(void* library, const char* name)
{
  // dlsym also searches the libraries the module depends on; only what the
  // module itself exports counts, as on the other platforms.
  void* symbol = dlsym(library, name);
  link_map* module = nullptr;
  Dl_info owner{};
  if (symbol == nullptr || dlinfo(library, RTLD_DI_LINKMAP, &module) != 0 || dladdr(symbol, &owner) == 0)
    return nullptr;
  return owner.dli_fbase == reinterpret_cast<void*>(module->l_addr) ? symbol : nullptr;
}

void CloseLibrary(void* library)
{
  dlclose(library);
}

bool EnterModule(void* library)
{
  using ModuleEntryFunction = bool (*)(void*);
  auto entry = reinterpret_cast<ModuleEntryFunction>(LibrarySymbol(library, "ModuleEntry"));
  return entry && entry(library);
}

void ExitModule(void* library)
{
  using ModuleExitFunction = bool (*)();
  if (auto exit = reinterpret_cast<ModuleExitFunction>(LibrarySymbol(library, "ModuleExit")))
    exit();
}
}
