#pragma once

#include "HostObjects.h"

#include "pluginterfaces/gui/iplugview.h"

#include <chrono>
#include <functional>
#include <vector>

namespace VstHost
{
using namespace Steinberg;

// The run loop a Linux host hands to plug-in editors through its frame:
// descriptor watches and timers, run from a poll loop on the thread that
// calls Run. Like a careful host it tolerates a timer unregistered from
// inside its own callback, but counts it: some hosts crash on that.
class HostRunLoop : public HostObject<Linux::IRunLoop>
{
public:
  ~HostRunLoop() override;

  tresult PLUGIN_API registerEventHandler(Linux::IEventHandler* handler, Linux::FileDescriptor fd) override;
  tresult PLUGIN_API unregisterEventHandler(Linux::IEventHandler* handler) override;
  tresult PLUGIN_API registerTimer(Linux::ITimerHandler* handler, Linux::TimerInterval milliseconds) override;
  tresult PLUGIN_API unregisterTimer(Linux::ITimerHandler* handler) override;

  // Runs handlers and timers until `done` says so or `limit` has passed;
  // true when `done` said so.
  bool Run(std::chrono::milliseconds limit, const std::function<bool()>& done = {});

  int EventHandlerCount() const { return static_cast<int>(mWatches.size()); }
  int TimerCount() const { return static_cast<int>(mTimers.size()); }
  Linux::TimerInterval TimerInterval(int index) const { return mTimers[static_cast<size_t>(index)].interval; }
  int TimersUnregisteredInOwnCallback() const { return mUnregisteredInOwnCallback; }
  int TimerTicks() const { return mTicks; }

  // Like the hosts that never call descriptor handlers: the plug-in must
  // take its events from its timer.
  bool callEventHandlers = true;
  // The longest wait before Run asks `done` again: short for a `done` that
  // watches other threads, as tests' do; a host whose `done` only reads its
  // own events (watched here too) can wait for them, as hosts do.
  std::chrono::milliseconds longestWait{10};

private:
  struct Watch
  {
    Linux::IEventHandler* handler;
    Linux::FileDescriptor fd;
  };
  struct Timer
  {
    Linux::ITimerHandler* handler;
    Linux::TimerInterval interval;
    std::chrono::steady_clock::time_point due;
  };

  void RunDueTimers();
  void RunReadyWatches(int timeoutMs);

  std::vector<Watch> mWatches;
  std::vector<Timer> mTimers;
  Linux::ITimerHandler* mTimerRunning = nullptr;
  int mUnregisteredInOwnCallback = 0;
  int mTicks = 0;
};

// The host's frame around an editor view: hands out the run loop and
// resizes the view as asked, counting the requests.
class EditorFrame : public HostObject<IPlugFrame>
{
public:
  // `runLoop` may be none: a host without one.
  explicit EditorFrame(HostRunLoop* runLoop);
  ~EditorFrame() override;

  // Also answers for the run loop, where there is one.
  tresult PLUGIN_API queryInterface(const TUID interfaceId, void** object) override;
  tresult PLUGIN_API resizeView(IPlugView* view, ViewRect* newSize) override;

  int ResizeRequests() const { return mResizeRequests; }
  const ViewRect& LastRequestedSize() const { return mLastSize; }

private:
  HostRunLoop* mRunLoop;
  int mResizeRequests = 0;
  ViewRect mLastSize;
};
}
