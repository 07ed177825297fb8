#pragma once

#include <functional>
#include <memory>

// The host's event loop as the editor window uses it: a watch on the X
// connection's descriptor and the redraw timer. Both callbacks run on the
// host's UI thread. The VST 3 view implements it over the host's run loop,
// so the window layer itself knows nothing of VST 3.
class EditorRunLoop
{
public:
  virtual ~EditorRunLoop() = default;

  // Calls `onReadable` whenever `fd` has data to read; false when refused.
  virtual bool WatchDescriptor(int fd, std::function<void()> onReadable) = 0;
  // Calls `onTick` every `milliseconds`; false when refused.
  virtual bool StartTimer(int milliseconds, std::function<void()> onTick) = 0;
  // From now on neither callback runs. Safe from inside either callback: the
  // host is told once it no longer runs them.
  virtual void Stop() = 0;
};

// An editor whose window runs on the host's event loop.
class EditorRunLoopUser
{
public:
  virtual ~EditorRunLoopUser() = default;

  // Host UI thread: the loop before the window opens, none once it closed.
  virtual void UseRunLoop(std::unique_ptr<EditorRunLoop> runLoop) = 0;
};
