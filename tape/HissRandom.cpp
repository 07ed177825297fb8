#include "tape/HissRandom.h"

#include <cstdint>

namespace {

thread_local std::uint32_t tHissRandomState = 1;

}  // namespace

int NextHissRandom()
{
  tHissRandomState = tHissRandomState * 214013u + 2531011u;
  return static_cast<int>((tHissRandomState >> 16) & 0x7FFFu);
}

double HissUnitSample(int randomValue)
{
  const float unit = static_cast<float>(randomValue) / 16383.5f;
  return static_cast<double>(static_cast<float>(static_cast<double>(unit) - 1.0));
}
