#include "tape/ThreadRandomState.h"

#include "core/ThreadIdentity.h"
#include "tape/ThreadStateTable.h"

namespace
{
// Far more threads than a host runs audio on at once (each thread keeps its
// row for the life of the process).
constexpr int kThreadRows = 4096;
}

std::atomic<std::uint32_t>& ThreadRandomState()
{
  static ThreadStateTable<kThreadRows> table(1);
  return table.StateOf(CurrentThreadKey());
}
