#include "core/PlugLock.h"

#include <mutex>

struct PlugLock::Native
{
  std::recursive_mutex mutex;
};

PlugLock::PlugLock() : mNative(new Native) {}

PlugLock::~PlugLock() { delete mNative; }

void PlugLock::Enter() { mNative->mutex.lock(); }

void PlugLock::Leave() { mNative->mutex.unlock(); }
