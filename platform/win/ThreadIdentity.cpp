#include "core/ThreadIdentity.h"

#include <windows.h>

std::uint64_t CurrentThreadKey()
{
  return static_cast<std::uint64_t>(GetCurrentThreadId()) + 1;
}
