#pragma once

#include <atomic>
#include <cstdint>

// The hiss random source's state cell of the calling thread, 1 on a thread's
// first call. The audio thread reads and writes it every block, so finding it
// never allocates, not even on a thread's first block.
std::atomic<std::uint32_t>& ThreadRandomState();
