#include "tape/HissRandom.h"

#include "tape/ThreadRandomState.h"

HissRandom HissRandom::ForThisThread()
{
  return HissRandom(ThreadRandomState());
}

void HissRandom::StoreForThisThread() const
{
  mHome.store(mState, std::memory_order_relaxed);
}

int NextHissRandom()
{
  HissRandom random = HissRandom::ForThisThread();
  const int value = random.Next();
  random.StoreForThisThread();
  return value;
}

double HissUnitSample(int randomValue)
{
  const float unit = static_cast<float>(randomValue) / 16383.5f;
  return static_cast<double>(static_cast<float>(static_cast<double>(unit) - 1.0));
}
