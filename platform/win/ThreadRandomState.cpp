#include "tape/ThreadRandomState.h"

#include <windows.h>

#include <cstdint>

// mingw-w64 emulates thread_local with storage it allocates on each thread's
// first use, which would happen on an audio thread. A TLS slot of the system
// holds the state in its own value instead: the slot is taken when the
// module loads and given back when it unloads, and a thread's slot reads 0
// until it is first written, so the value is kept one above the state.
namespace
{
struct TlsSlot
{
  TlsSlot() : index(TlsAlloc()) {}
  ~TlsSlot() { TlsFree(index); }
  TlsSlot(const TlsSlot&) = delete;
  TlsSlot& operator=(const TlsSlot&) = delete;

  const DWORD index;
};

const TlsSlot gSlot;
} // namespace

std::uint32_t ThreadRandomState()
{
  const auto stored = reinterpret_cast<std::uintptr_t>(TlsGetValue(gSlot.index));
  return stored == 0 ? 1u : static_cast<std::uint32_t>(stored - 1);
}

void StoreThreadRandomState(std::uint32_t state)
{
  TlsSetValue(gSlot.index, reinterpret_cast<void*>(static_cast<std::uintptr_t>(state) + 1));
}
