#include "Trace.h"

#include <atomic>

namespace
{
std::atomic<TraceHook> gTraceHook{nullptr};
}

void SetTraceHook(TraceHook hook)
{
  gTraceHook.store(hook);
}

void Trace(const char* function, int line, const char* format, ...)
{
  const TraceHook hook = gTraceHook.load(std::memory_order_relaxed);
  if (!hook)
    return;
  va_list args;
  va_start(args, format);
  hook(function, line, format, args);
  va_end(args);
}
