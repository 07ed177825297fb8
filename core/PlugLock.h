#pragma once

// The plug-in framework's recursive lock: the same thread may take it again.
// Each platform builds it from its own primitive under platform/<os>/.
//
// The audio thread holds an instance's lock for each whole block, so every
// other holder keeps it only for short work of its own instance: never across
// a call into the host (an edit, a restart request, reading or writing a
// state stream, a resize), which takes as long as the host likes.
class PlugLock
{
public:
  PlugLock();
  ~PlugLock();
  PlugLock(const PlugLock&) = delete;
  PlugLock& operator=(const PlugLock&) = delete;

  void Enter();
  void Leave();

private:
  struct Native;
  Native* mNative;
};

class PlugLockGuard
{
public:
  explicit PlugLockGuard(PlugLock& lock) : mLock(lock) { mLock.Enter(); }
  ~PlugLockGuard() { mLock.Leave(); }
  PlugLockGuard(const PlugLockGuard&) = delete;
  PlugLockGuard& operator=(const PlugLockGuard&) = delete;

private:
  PlugLock& mLock;
};
