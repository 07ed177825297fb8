#include "platform/win/ModuleHandles.h"

#include "pluginterfaces/base/fplatform.h"

#include <windows.h>

// Windows calls this when the module is mapped into a process; hosts then
// call InitDll before asking for the factory, and ExitDll before unloading.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
  if (reason == DLL_PROCESS_ATTACH)
    RememberModuleHandle(instance);
  return TRUE;
}

extern "C"
{
SMTG_EXPORT_SYMBOL bool InitDll()
{
  UseModuleHandleForResources();
  return true;
}

// Nothing to release: the factory and the caches live until the module unloads.
SMTG_EXPORT_SYMBOL bool ExitDll() { return true; }
}
