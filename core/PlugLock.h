#pragma once

#include <mutex>

// The plug-in framework's recursive lock: the same thread may take it again.
class PlugLock
{
public:
  void Enter() { mMutex.lock(); }
  void Leave() { mMutex.unlock(); }

private:
  std::recursive_mutex mMutex;
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
