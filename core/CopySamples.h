#pragma once

#include <cstddef>
#include <cstring>

// Copies a channel's samples; the two may be the same buffer (a host that
// processes in place), which then stays as it is.
inline void CopySamples(double* to, const double* from, int nFrames)
{
  if (to != from)
    std::memmove(to, from, sizeof(double) * static_cast<std::size_t>(nFrames));
}
