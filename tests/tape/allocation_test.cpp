#include "CountingAllocations.h"
#include "TapeTestSignals.h"
#include "tape/AutoGain.h"
#include "tape/TapeEngine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

using TapeTest::StereoBuffer;

int AllocationsDuring(auto&& work)
{
  StartCountingAllocations();
  work();
  return StopCountingAllocations();
}

TEST(AudioPath, CountsAnAllocation)
{
  // Volatile, so that the compiler cannot pair the calls away.
  EXPECT_EQ(AllocationsDuring([] {
              int* volatile number = new int(3);
              delete number;
            }),
            1);
  EXPECT_EQ(AllocationsDuring([] {
              void* volatile memory = std::malloc(16);
              std::free(memory);
            }),
            1);
}

// Every stage on: a deck with all shelves active, bias, hiss, a stereo block
// longer than the noise buffers, and the automatic gain learning.
TEST(AudioPath, TapeChainAndAutoGainDoNotAllocate)
{
  TapeEngine engine;
  engine.Reset(48000);
  engine.SetChannelCount(2);
  engine.SelectDeck(2);
  engine.SetBias(6);
  engine.SetHissOn(true);
  engine.SetHissGain(1e-3);
  AutoGainState autoGain;
  autoGain.SetSampleRate(48000);
  autoGain.SetChannelCount(2);
  autoGain.Restart(1);

  StereoBuffer block(10000);
  TapeTest::AddSine(block.left, 0.5, 440, 48000);
  TapeTest::AddSine(block.right, 0.25, 1000, 48000);
  const int allocations = AllocationsDuring([&] {
    for (int repeat = 0; repeat < 4; ++repeat)
    {
      engine.SetInputGain(std::pow(10, autoGain.UpdateAutoGain(block.Channels(), block.Length()) / 20));
      engine.RunTapeChain(block.Channels(), block.Length());
      engine.SetChannelCount(1);
    }
  });
  EXPECT_EQ(allocations, 0);
}

}  // namespace
