#pragma once

#include <cstdarg>

// Operations worth tracing report their qualified name, a source line and a
// printf-style description. Nothing is written unless a hook is installed.
using TraceHook = void (*)(const char* function, int line, const char* format, va_list args);

void SetTraceHook(TraceHook hook);

#if defined(__GNUC__)
__attribute__((format(printf, 3, 4)))
#endif
void Trace(const char* function, int line, const char* format, ...);
