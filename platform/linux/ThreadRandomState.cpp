#include "tape/ThreadRandomState.h"

namespace
{
thread_local std::uint32_t tState = 1;
}

std::uint32_t ThreadRandomState() { return tState; }

void StoreThreadRandomState(std::uint32_t state) { tState = state; }
