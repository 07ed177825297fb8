#include "platform/win/RunningUnderWine.h"

#include <windows.h>

#include <atomic>

namespace
{
std::atomic<bool> gNativeTextUnderWine{false};
} // namespace

bool RunningUnderWine()
{
  // Both answers are the same on every thread; asking twice is harmless.
  static const bool underWine = [] {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Wine", 0, KEY_READ, &key) != ERROR_SUCCESS)
      return false;
    RegCloseKey(key);
    return true;
  }();
  return underWine;
}

bool NativeTextPathAvailable() { return !RunningUnderWine() || gNativeTextUnderWine.load(); }

void TakeNativeTextPathUnderWine(bool take) { gNativeTextUnderWine = take; }
