#pragma once

#include <atomic>
#include <cstdint>

// One 32-bit state per thread in a table of fixed size, found by the thread's
// key without a lock and without allocating. A thread takes a free row on its
// first visit and keeps it; rows are never given back, so a key the system
// hands to a new thread after its first owner ended finds that owner's row.
// Threads that find every row taken share one overflow state: their draws
// interleave, which is still a valid sequence of the same generator.
template <int kRows>
class ThreadStateTable
{
public:
  explicit ThreadStateTable(std::uint32_t initialState) : mInitialState(initialState), mOverflow(initialState) {}

  // The state cell of the thread with `key` (never 0). Only that thread
  // writes its row's cell; the overflow cell may be shared.
  std::atomic<std::uint32_t>& StateOf(std::uint64_t key)
  {
    // Linear probing from the key's hash: a row once taken is never freed,
    // so a key is always found before the first free row on its way.
    const std::uint64_t start = (key * 0x9E3779B97F4A7C15ull) >> 32;
    for (int probe = 0; probe < kRows; ++probe)
    {
      Row& row = mRows[(start + static_cast<std::uint64_t>(probe)) % kRows];
      std::uint64_t owner = row.owner.load(std::memory_order_acquire);
      if (owner == 0 && row.owner.compare_exchange_strong(owner, key, std::memory_order_acq_rel))
      {
        // Only the owner ever touches its row's state.
        row.state.store(mInitialState, std::memory_order_relaxed);
        return row.state;
      }
      if (owner == key)
        return row.state;
    }
    return mOverflow;
  }

private:
  struct Row
  {
    std::atomic<std::uint64_t> owner{0};
    std::atomic<std::uint32_t> state{0};
  };

  const std::uint32_t mInitialState;
  Row mRows[kRows];
  std::atomic<std::uint32_t> mOverflow;
};
