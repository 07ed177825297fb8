#include "core/ThreadIdentity.h"

#include <unistd.h>

// The kernel's thread id: new threads get new numbers until the id space
// wraps, so a new thread rarely inherits an ended one's number.
std::uint64_t CurrentThreadKey()
{
  return static_cast<std::uint64_t>(gettid()) + 1;
}
