#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <future>
#include <mutex>

// Holds one call into the host (an edit, a stream read) until the test lets
// it go, so that the test can ask whether the plug-in's audio path still runs
// meanwhile. Only the first held call waits; once released, calls pass.
class HostCallLatch
{
public:
  // Inside the host's call: says that it is held, then waits for Release.
  void Hold()
  {
    std::unique_lock lock(mMutex);
    if (mReleased || mHeld)
      return;
    mHeld = true;
    mChanged.notify_all();
    mChanged.wait(lock, [&] { return mReleased; });
  }

  bool WaitUntilHeld(std::chrono::seconds limit)
  {
    std::unique_lock lock(mMutex);
    return mChanged.wait_for(lock, limit, [&] { return mHeld; });
  }

  void Release()
  {
    std::lock_guard lock(mMutex);
    mReleased = true;
    mChanged.notify_all();
  }

  bool Released() const
  {
    std::lock_guard lock(mMutex);
    return mReleased;
  }

private:
  mutable std::mutex mMutex;
  std::condition_variable mChanged;
  bool mHeld = false;
  bool mReleased = false;
};

// Whether `call` returns, on a thread of its own, while the latch holds the
// host's call; the latch is released either way. The limits are generous:
// they only end a failure, which would otherwise hang until the host's call
// gave up, and they are never what makes a working build pass.
inline bool ReturnsWhileHeld(HostCallLatch& latch, const std::function<void()>& call)
{
  using namespace std::chrono_literals;
  if (!latch.WaitUntilHeld(30s))
  {
    latch.Release();
    return false;
  }
  std::future<void> done = std::async(std::launch::async, call);
  const bool returned = done.wait_for(30s) == std::future_status::ready;
  latch.Release();
  done.wait();
  return returned;
}
