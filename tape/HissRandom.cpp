#include "tape/HissRandom.h"

#include "tape/ThreadRandomState.h"

#include <cstdint>

int NextHissRandom()
{
  const std::uint32_t state = ThreadRandomState() * 214013u + 2531011u;
  StoreThreadRandomState(state);
  return static_cast<int>((state >> 16) & 0x7FFFu);
}

double HissUnitSample(int randomValue)
{
  const float unit = static_cast<float>(randomValue) / 16383.5f;
  return static_cast<double>(static_cast<float>(static_cast<double>(unit) - 1.0));
}
