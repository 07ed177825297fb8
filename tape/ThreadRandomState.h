#pragma once

#include <cstdint>

// The hiss random source's state of the calling thread, 1 on a thread that
// has not stored one yet. The audio thread reads and writes it every block,
// so neither may allocate, not even on a thread's first use; each platform
// provides it under platform/<os>/.
std::uint32_t ThreadRandomState();
void StoreThreadRandomState(std::uint32_t state);
