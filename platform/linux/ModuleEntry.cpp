#include "pluginterfaces/base/fplatform.h"

#include <atomic>

// Linux hosts call these around using the module's factory, possibly more
// than once from one process; only the first entry and the last exit count.
namespace
{
std::atomic<int> gModuleEntries{0};
}

extern "C"
{
SMTG_EXPORT_SYMBOL bool ModuleEntry(void*)
{
  ++gModuleEntries;
  return true;
}

SMTG_EXPORT_SYMBOL bool ModuleExit()
{
  // An exit without a matching entry is ignored rather than counted below zero.
  int entries = gModuleEntries.load();
  while (entries > 0 && !gModuleEntries.compare_exchange_weak(entries, entries - 1))
  {
  }
  return entries > 0;
}
}
