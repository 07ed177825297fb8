#include "CountingAllocations.h"

#include <atomic>
#include <cstdlib>
#include <new>

// In a file of its own, so that no caller sees the replacements inline.
namespace {

std::atomic<bool> gCounting{false};
std::atomic<int> gAllocations{0};

void NoteAllocation()
{
  if (gCounting.load())
    ++gAllocations;
}

}  // namespace

extern "C" {
void* __real_malloc(std::size_t size);
void* __real_calloc(std::size_t count, std::size_t size);
void* __real_realloc(void* memory, std::size_t size);
}

void* operator new(std::size_t size)
{
  NoteAllocation();
  if (void* memory = __real_malloc(size == 0 ? 1 : size))
    return memory;
  throw std::bad_alloc();
}

void* operator new[](std::size_t size)
{
  return operator new(size);
}

// The forms that answer none instead of throwing take from the same heap,
// so that every delete matches its new.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
  NoteAllocation();
  return __real_malloc(size == 0 ? 1 : size);
}

void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept
{
  return operator new(size, tag);
}

void operator delete(void* memory, const std::nothrow_t&) noexcept
{
  std::free(memory);
}

void operator delete[](void* memory, const std::nothrow_t&) noexcept
{
  std::free(memory);
}

void operator delete(void* memory) noexcept
{
  std::free(memory);
}

void operator delete[](void* memory) noexcept
{
  std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept
{
  std::free(memory);
}

void operator delete[](void* memory, std::size_t) noexcept
{
  std::free(memory);
}

extern "C" {

void* __wrap_malloc(std::size_t size)
{
  NoteAllocation();
  return __real_malloc(size);
}

void* __wrap_calloc(std::size_t count, std::size_t size)
{
  NoteAllocation();
  return __real_calloc(count, size);
}

void* __wrap_realloc(void* memory, std::size_t size)
{
  NoteAllocation();
  return __real_realloc(memory, size);
}
}

void StartCountingAllocations()
{
  gAllocations = 0;
  gCounting = true;
}

int StopCountingAllocations()
{
  gCounting = false;
  return gAllocations.load();
}
