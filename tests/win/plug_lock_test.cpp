#include "core/PlugLock.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace
{
TEST(PlugLockOnWindows, TheOwningThreadMayEnterAgain)
{
  PlugLock lock;
  lock.Enter();
  lock.Enter();
  lock.Leave();
  // Still held once: another thread must not get in yet.
  std::atomic<bool> entered{false};
  std::thread other([&] {
    PlugLockGuard guard(lock);
    entered = true;
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_FALSE(entered);
  lock.Leave();
  other.join();
  EXPECT_TRUE(entered);
}

TEST(PlugLockOnWindows, KeepsThreadsOutOfEachOthersWork)
{
  PlugLock lock;
  long counter = 0;
  constexpr int kRounds = 200000;
  auto work = [&] {
    for (int i = 0; i < kRounds; ++i)
    {
      PlugLockGuard guard(lock);
      // Read, yield the processor now and then, write: unguarded, rounds would be lost.
      const long seen = counter;
      if (i % 1000 == 0)
        std::this_thread::yield();
      counter = seen + 1;
    }
  };
  std::thread first(work);
  std::thread second(work);
  first.join();
  second.join();
  EXPECT_EQ(counter, 2L * kRounds);
}
} // namespace
