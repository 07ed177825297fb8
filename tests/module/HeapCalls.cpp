#include "HeapCalls.h"

#include <atomic>
#include <cstddef>

// The C library's own entry points behind the public names, which this file
// takes over for the whole process.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* memory, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void __libc_free(void* memory);
}

namespace
{
std::atomic<bool> gCounting{false};
std::atomic<int> gCalls{0};

void Note()
{
  if (gCounting.load(std::memory_order_relaxed))
    gCalls.fetch_add(1, std::memory_order_relaxed);
}
}

extern "C" {
void* malloc(std::size_t size)
{
  Note();
  return __libc_malloc(size);
}

void* calloc(std::size_t count, std::size_t size)
{
  Note();
  return __libc_calloc(count, size);
}

void* realloc(void* memory, std::size_t size)
{
  Note();
  return __libc_realloc(memory, size);
}

void* memalign(std::size_t alignment, std::size_t size)
{
  Note();
  return __libc_memalign(alignment, size);
}

void* aligned_alloc(std::size_t alignment, std::size_t size)
{
  Note();
  return __libc_memalign(alignment, size);
}

int posix_memalign(void** memory, std::size_t alignment, std::size_t size)
{
  Note();
  *memory = __libc_memalign(alignment, size);
  return *memory ? 0 : 12;  // ENOMEM
}

void free(void* memory)
{
  __libc_free(memory);
}
}

void StartCountingHeapCalls()
{
  gCalls = 0;
  gCounting = true;
}

int StopCountingHeapCalls()
{
  gCounting = false;
  return gCalls.load();
}
