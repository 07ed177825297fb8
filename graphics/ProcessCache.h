#pragma once

#include "core/PlugLock.h"

#include <memory>
#include <utility>
#include <vector>

// Values by key, shared by every editor of the process and kept for its
// life. The lock is held only while searching or appending, never while the
// caller makes a value to append.
template <typename Key, typename Value>
class ProcessCache
{
public:
  // The first value kept under `key`, or none.
  Value* Find(const Key& key)
  {
    PlugLockGuard guard(mLock);
    for (const Entry& entry : mEntries)
      if (entry.key == key)
        return entry.value.get();
    return nullptr;
  }

  // Keeps `value`; returns it.
  Value* Append(Key key, std::unique_ptr<Value> value)
  {
    Value* kept = value.get();
    PlugLockGuard guard(mLock);
    mEntries.push_back({std::move(key), std::move(value)});
    return kept;
  }

private:
  struct Entry
  {
    Key key;
    std::unique_ptr<Value> value;
  };

  PlugLock mLock;
  std::vector<Entry> mEntries;
};
