#pragma once

// Counts allocations while counting is on. Allocations are counted through the
// replaced global operator new, which every container goes through, and, by
// the linker's --wrap, malloc, calloc and realloc called from this executable
// and the static libraries linked into it (the engine).
void StartCountingAllocations();
// Stops counting and returns the count since the start.
int StopCountingAllocations();
