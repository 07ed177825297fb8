#pragma once

// Counts calls of the C heap made anywhere in the process (the loaded module
// included) while counting is on: this executable defines the heap's entry
// points itself, so every library's calls resolve to them first.
void StartCountingHeapCalls();
// Stops counting and returns the calls since the start.
int StopCountingHeapCalls();
