#include "vst3/ViewPlatform.h"

#include "core/IPlugEditor.h"
#include "platform/linux/EditorRunLoop.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

using namespace Steinberg;

// The editor's run loop over the host's Linux::IRunLoop. Some hosts crash
// when a timer is unregistered from inside its own callback: a stop asked
// for inside a timer callback keeps the timer (doing nothing) until the code
// runs outside every timer callback again: the next connect or disconnect,
// or the next descriptor callback.
namespace
{
thread_local int gTimerCallbacksRunning = 0;

template <class Interface>
class HostHandler : public Interface
{
public:
  tresult PLUGIN_API queryInterface(const TUID interfaceId, void** object) override
  {
    if (FUnknownPrivate::iidEqual(interfaceId, Interface::iid) || FUnknownPrivate::iidEqual(interfaceId, FUnknown::iid))
    {
      addRef();
      *object = static_cast<Interface*>(this);
      return kResultOk;
    }
    *object = nullptr;
    return kNoInterface;
  }
  uint32 PLUGIN_API addRef() override { return ++mReferences; }
  uint32 PLUGIN_API release() override
  {
    const uint32 remaining = --mReferences;
    if (remaining == 0)
      delete this;
    return remaining;
  }

  explicit HostHandler(std::function<void()> callback) : mCallback(std::move(callback)) {}
  virtual ~HostHandler() = default;

  // From now on the callback does not run.
  void Silence() { mActive = false; }

protected:
  void Run()
  {
    // Held while running: the callback may end the editor and drop us.
    addRef();
    if (mActive)
      mCallback();
    release();
  }

private:
  std::atomic<uint32> mReferences{1};
  std::function<void()> mCallback;
  bool mActive = true;
};

void UnregisterPendingTimers();

class TimerHandler final : public HostHandler<Linux::ITimerHandler>
{
public:
  using HostHandler::HostHandler;
  void PLUGIN_API onTimer() override
  {
    ++gTimerCallbacksRunning;
    Run();
    --gTimerCallbacksRunning;
  }
};

class DescriptorHandler final : public HostHandler<Linux::IEventHandler>
{
public:
  using HostHandler::HostHandler;
  void PLUGIN_API onFDIsSet(Linux::FileDescriptor) override
  {
    UnregisterPendingTimers();
    Run();
  }
};

struct PendingTimer
{
  Linux::IRunLoop* runLoop;
  TimerHandler* timer;
};

std::mutex gPendingMutex;
std::vector<PendingTimer> gPendingTimers;

void UnregisterPendingTimers()
{
  if (gTimerCallbacksRunning > 0)
    return;
  std::vector<PendingTimer> pending;
  {
    std::lock_guard lock(gPendingMutex);
    pending.swap(gPendingTimers);
  }
  for (const PendingTimer& entry : pending)
  {
    entry.runLoop->unregisterTimer(entry.timer);
    entry.timer->release();
    entry.runLoop->release();
  }
}

class Vst3EditorRunLoop final : public EditorRunLoop
{
public:
  explicit Vst3EditorRunLoop(Linux::IRunLoop* runLoop) : mRunLoop(runLoop) { mRunLoop->addRef(); }
  ~Vst3EditorRunLoop() override
  {
    Stop();
    mRunLoop->release();
  }

  bool WatchDescriptor(int fd, std::function<void()> onReadable) override
  {
    auto* handler = new DescriptorHandler(std::move(onReadable));
    if (mRunLoop->registerEventHandler(handler, fd) != kResultOk)
    {
      handler->release();
      return false;
    }
    mDescriptors.push_back(handler);
    return true;
  }

  bool StartTimer(int milliseconds, std::function<void()> onTick) override
  {
    auto* timer = new TimerHandler(std::move(onTick));
    if (mRunLoop->registerTimer(timer, static_cast<Linux::TimerInterval>(milliseconds)) != kResultOk)
    {
      timer->release();
      return false;
    }
    mTimers.push_back(timer);
    return true;
  }

  void Stop() override
  {
    for (DescriptorHandler* handler : std::exchange(mDescriptors, {}))
    {
      handler->Silence();
      mRunLoop->unregisterEventHandler(handler);
      handler->release();
    }
    for (TimerHandler* timer : std::exchange(mTimers, {}))
    {
      timer->Silence();
      mRunLoop->addRef();
      std::lock_guard lock(gPendingMutex);
      gPendingTimers.push_back({mRunLoop, timer});
    }
    UnregisterPendingTimers();
  }

private:
  Linux::IRunLoop* mRunLoop;
  std::vector<DescriptorHandler*> mDescriptors;
  std::vector<TimerHandler*> mTimers;
};
} // namespace

// A Linux host hands an X11 window id, and its run loop through the frame.
const char* const kEditorPlatformType = "X11EmbedWindowID";

bool ConnectViewRunLoop(IPlugFrame* frame, IPlugEditor& editor)
{
  UnregisterPendingTimers();
  auto* user = dynamic_cast<EditorRunLoopUser*>(&editor);
  if (user == nullptr)
    return true;
  if (frame == nullptr)
    return false;
  Linux::IRunLoop* runLoop = nullptr;
  if (frame->queryInterface(Linux::IRunLoop::iid, reinterpret_cast<void**>(&runLoop)) != kResultOk ||
      runLoop == nullptr)
    return false;
  user->UseRunLoop(std::make_unique<Vst3EditorRunLoop>(runLoop));
  runLoop->release();
  return true;
}

void DisconnectViewRunLoop(IPlugEditor& editor)
{
  if (auto* user = dynamic_cast<EditorRunLoopUser*>(&editor))
    user->UseRunLoop(nullptr);
  UnregisterPendingTimers();
}
