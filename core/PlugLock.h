#pragma once

// The plug-in framework's recursive lock: the same thread may take it again.
// Each platform builds it from its own primitive under platform/<os>/.
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
