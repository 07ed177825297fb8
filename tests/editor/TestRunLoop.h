#pragma once

#include "platform/linux/EditorRunLoop.h"

#include <chrono>
#include <functional>
#include <memory>

// A host's event loop for the editor window, run by the test: Pump polls the
// watched descriptor and runs the timer. What was registered stays visible
// to the test after the editor lets go of the loop.
struct TestLoopState
{
  int fd = -1;
  std::function<void()> onReadable;
  int periodMs = 0;
  std::function<void()> onTick;
  int watchesStarted = 0;
  int timersStarted = 0;
  int stops = 0;
  bool callDescriptor = true;

  bool Watching() const { return static_cast<bool>(onReadable); }
  bool Ticking() const { return static_cast<bool>(onTick); }
  // Runs the loop for `limit`, or until `done`; true when `done` said so.
  bool Pump(std::chrono::milliseconds limit, const std::function<bool()>& done = {});
};

class TestRunLoop final : public EditorRunLoop
{
public:
  TestRunLoop() : mState(std::make_shared<TestLoopState>()) {}

  bool WatchDescriptor(int fd, std::function<void()> onReadable) override
  {
    mState->fd = fd;
    mState->onReadable = std::move(onReadable);
    ++mState->watchesStarted;
    return true;
  }
  bool StartTimer(int milliseconds, std::function<void()> onTick) override
  {
    mState->periodMs = milliseconds;
    mState->onTick = std::move(onTick);
    ++mState->timersStarted;
    return true;
  }
  void Stop() override
  {
    // The callbacks may be running: they are dropped once they return.
    mState->fd = -1;
    mState->onReadable = nullptr;
    mState->onTick = nullptr;
    ++mState->stops;
  }

  std::shared_ptr<TestLoopState> State() const { return mState; }

private:
  std::shared_ptr<TestLoopState> mState;
};
