#include "HostRunLoop.h"

#include <algorithm>
#include <poll.h>

namespace VstHost
{
namespace
{
template <class Entry, class Handler>
bool Holds(const std::vector<Entry>& entries, Handler* handler)
{
  return std::any_of(entries.begin(), entries.end(), [handler](const Entry& entry) { return entry.handler == handler; });
}
}

HostRunLoop::~HostRunLoop()
{
  for (const Watch& watch : mWatches)
    watch.handler->release();
  for (const Timer& timer : mTimers)
    timer.handler->release();
}

tresult PLUGIN_API HostRunLoop::registerEventHandler(Linux::IEventHandler* handler, Linux::FileDescriptor fd)
{
  if (!handler || Holds(mWatches, handler))
    return kInvalidArgument;
  handler->addRef();
  mWatches.push_back({handler, fd});
  return kResultOk;
}

tresult PLUGIN_API HostRunLoop::unregisterEventHandler(Linux::IEventHandler* handler)
{
  const auto found = std::find_if(mWatches.begin(), mWatches.end(), [handler](const Watch& w) { return w.handler == handler; });
  if (found == mWatches.end())
    return kInvalidArgument;
  found->handler->release();
  mWatches.erase(found);
  return kResultOk;
}

tresult PLUGIN_API HostRunLoop::registerTimer(Linux::ITimerHandler* handler, Linux::TimerInterval milliseconds)
{
  if (!handler || Holds(mTimers, handler))
    return kInvalidArgument;
  handler->addRef();
  mTimers.push_back({handler, milliseconds, std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds)});
  return kResultOk;
}

tresult PLUGIN_API HostRunLoop::unregisterTimer(Linux::ITimerHandler* handler)
{
  const auto found = std::find_if(mTimers.begin(), mTimers.end(), [handler](const Timer& t) { return t.handler == handler; });
  if (found == mTimers.end())
    return kInvalidArgument;
  if (handler == mTimerRunning)
    ++mUnregisteredInOwnCallback;
  found->handler->release();
  mTimers.erase(found);
  return kResultOk;
}

void HostRunLoop::RunDueTimers()
{
  // Handlers may come and go while others run: each is looked up again.
  const std::vector<Timer> snapshot = mTimers;
  for (const Timer& entry : snapshot)
  {
    const auto found = std::find_if(mTimers.begin(), mTimers.end(), [&](const Timer& t) { return t.handler == entry.handler; });
    const auto now = std::chrono::steady_clock::now();
    if (found == mTimers.end() || found->due > now)
      continue;
    found->due = now + std::chrono::milliseconds(found->interval);
    Linux::ITimerHandler* handler = found->handler;
    handler->addRef();
    mTimerRunning = handler;
    ++mTicks;
    handler->onTimer();
    mTimerRunning = nullptr;
    handler->release();
  }
}

void HostRunLoop::RunReadyWatches(int timeoutMs)
{
  std::vector<pollfd> polled;
  if (callEventHandlers)
    for (const Watch& watch : mWatches)
      polled.push_back({watch.fd, POLLIN, 0});
  poll(polled.data(), polled.size(), timeoutMs);
  const std::vector<Watch> snapshot = mWatches;
  for (size_t i = 0; i < polled.size(); ++i)
  {
    if ((polled[i].revents & (POLLIN | POLLHUP | POLLERR)) == 0 || !Holds(mWatches, snapshot[i].handler))
      continue;
    Linux::IEventHandler* handler = snapshot[i].handler;
    handler->addRef();
    handler->onFDIsSet(snapshot[i].fd);
    handler->release();
  }
}

bool HostRunLoop::Run(std::chrono::milliseconds limit, const std::function<bool()>& done)
{
  using Clock = std::chrono::steady_clock;
  const auto end = Clock::now() + limit;
  for (;;)
  {
    if (done && done())
      return true;
    const auto now = Clock::now();
    if (now >= end)
      return false;
    auto wake = end;
    for (const Timer& timer : mTimers)
      wake = std::min(wake, timer.due);
    // Rounded up: a timer less than a millisecond away is waited for, not
    // polled for in a busy loop.
    const auto slice =
      std::clamp<long long>(std::chrono::ceil<std::chrono::milliseconds>(wake - now).count(), 0, longestWait.count());
    RunReadyWatches(static_cast<int>(slice));
    RunDueTimers();
  }
}

EditorFrame::EditorFrame(HostRunLoop* runLoop) : mRunLoop(runLoop)
{
  if (mRunLoop)
    mRunLoop->addRef();
}

EditorFrame::~EditorFrame()
{
  if (mRunLoop)
    mRunLoop->release();
}

tresult PLUGIN_API EditorFrame::queryInterface(const TUID interfaceId, void** object)
{
  if (mRunLoop && FUnknownPrivate::iidEqual(interfaceId, Linux::IRunLoop::iid))
  {
    mRunLoop->addRef();
    *object = static_cast<Linux::IRunLoop*>(mRunLoop);
    return kResultOk;
  }
  return HostObject::queryInterface(interfaceId, object);
}

tresult PLUGIN_API EditorFrame::resizeView(IPlugView* view, ViewRect* newSize)
{
  if (!view || !newSize)
    return kInvalidArgument;
  ++mResizeRequests;
  mLastSize = *newSize;
  return view->onSize(newSize);
}
}
