#include "platform/win/ModuleHandles.h"

#include <atomic>

namespace
{
std::atomic<HMODULE> gModuleHandle{nullptr};
std::atomic<HMODULE> gResourceModuleHandle{nullptr};

HMODULE ModuleHoldingThisCode()
{
  HMODULE module = nullptr;
  // Any address inside this module will do; the flags keep its reference count as it is.
  static const char kAnchor = 0;
  if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                          &kAnchor, &module))
    return nullptr;
  return module;
}
} // namespace

void RememberModuleHandle(HMODULE module) { gModuleHandle = module; }

void UseModuleHandleForResources() { gResourceModuleHandle = ModuleHandle(); }

HMODULE ModuleHandle()
{
  const HMODULE module = gModuleHandle;
  return module != nullptr ? module : ModuleHoldingThisCode();
}

HMODULE ResourceModuleHandle()
{
  const HMODULE module = gResourceModuleHandle;
  return module != nullptr ? module : ModuleHandle();
}
