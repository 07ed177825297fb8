#include "TapeTestSignals.h"
#include "tape/TapeEngine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using TapeTest::StereoBuffer;

struct SilenceCase
{
  int deck;
  double inputDb;
  double outputDb;
  double biasDb;
  bool hissOn;
  double hissDb;
};

// Every deck once, with the levels, bias and hiss at their extremes spread
// over them so that each extreme meets several decks.
const SilenceCase kCases[] = {
  {0, -18, -18, 0, false, -60},
  {1, 18, 18, 3, true, -100},
  {2, -18, 18, 6, true, -60},
  {3, 18, -18, 0, true, -100},
  {4, -18, 18, 3, false, -60},
  {5, 18, 18, 6, true, -60},
  {6, -18, -18, 6, true, -100},
  {7, 18, -18, 3, true, -60},
};

// A minute of digital silence at 48 kHz: the output is only ever hiss and
// the filters' anti-denormal offsets, never NaN, infinite or subnormal.
TEST(TapeEngine, SilenceGivesNoDenormalsAndNoNaN)
{
  constexpr int kRate = 48000;
  constexpr int kBlock = 512;
  for (const SilenceCase& c : kCases)
  {
    SCOPED_TRACE("deck " + std::to_string(c.deck) + ", in " + std::to_string(c.inputDb) + ", out " +
                 std::to_string(c.outputDb) + ", bias " + std::to_string(c.biasDb) + ", hiss " +
                 (c.hissOn ? std::to_string(c.hissDb) : std::string("off")));
    TapeEngine engine;
    engine.Reset(kRate);
    engine.SetChannelCount(2);
    engine.SelectDeck(c.deck);
    engine.SetInputGain(std::pow(10, c.inputDb / 20));
    engine.SetOutputGain(std::pow(10, c.outputDb / 20));
    engine.SetBias(c.biasDb);
    engine.SetHissOn(c.hissOn);
    engine.SetHissGain(std::pow(10, c.hissDb / 20));

    StereoBuffer block(kBlock);
    int badSamples = 0;
    for (int done = 0; done < 60 * kRate; done += kBlock)
    {
      std::fill(block.left.begin(), block.left.end(), 0.0);
      std::fill(block.right.begin(), block.right.end(), 0.0);
      engine.RunTapeChain(block.Channels(), kBlock);
      for (int i = 0; i < kBlock; ++i)
        for (double x : {block.left[i], block.right[i]})
          if (!std::isfinite(x) || std::fpclassify(x) == FP_SUBNORMAL)
            ++badSamples;
    }
    EXPECT_EQ(badSamples, 0);
    EXPECT_EQ(engine.VuValue(0), 0);
    EXPECT_EQ(engine.ClipValue(0), 0);
  }
}

}  // namespace
