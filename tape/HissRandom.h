#pragma once

#include <atomic>
#include <cstdint>

// The hiss's random source: a linear congruential generator with values
// 0..32767. Each thread has one state, starting at 1 and never reseeded, that
// every engine running on the thread draws from.
class HissRandom
{
public:
  // The calling thread's generator. Draws reach the thread's state with
  // StoreForThisThread, so a block looks the thread's state up once.
  static HissRandom ForThisThread();
  void StoreForThisThread() const;

  int Next()
  {
    mState = mState * 214013u + 2531011u;
    return static_cast<int>((mState >> 16) & 0x7FFFu);
  }

private:
  explicit HissRandom(std::atomic<std::uint32_t>& home)
    : mHome(home), mState(home.load(std::memory_order_relaxed))
  {
  }

  std::atomic<std::uint32_t>& mHome;
  std::uint32_t mState;
};

// One draw from the calling thread's generator.
int NextHissRandom();

// A random value mapped onto [-1, 1], in the single-precision steps the hiss
// has always been made with.
double HissUnitSample(int randomValue);
