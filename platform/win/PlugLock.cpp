#include "core/PlugLock.h"

#include <windows.h>

struct PlugLock::Native
{
  CRITICAL_SECTION section;
};

PlugLock::PlugLock() : mNative(new Native) { InitializeCriticalSection(&mNative->section); }

PlugLock::~PlugLock()
{
  DeleteCriticalSection(&mNative->section);
  delete mNative;
}

void PlugLock::Enter() { EnterCriticalSection(&mNative->section); }

void PlugLock::Leave() { LeaveCriticalSection(&mNative->section); }
