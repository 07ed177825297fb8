#pragma once

#include <cstdint>

// A number for the calling thread, never 0, that no other live thread of the
// process has; taken without allocating and without thread-local storage, so
// an audio thread may ask on its first block. The system may give a number
// again once its thread has ended. Each platform provides it under
// platform/<os>/.
std::uint64_t CurrentThreadKey();
