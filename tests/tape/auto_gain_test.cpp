#include "TapeTestSignals.h"
#include "tape/AutoGain.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using TapeTest::StereoBuffer;

constexpr int kRate = 44100;
constexpr int kBlock = 441;  // 100 blocks make a second exactly

// A sine's detector level is 20 log10(2/pi A) + 3.9 dB, so the peak for a
// level e is A = 10^((e - 3.9)/20) pi/2 (python3):
constexpr double kSineAtMinus30Db = 0.031704424701973696;
constexpr double kSineAtMinus3Db = 0.7097736576645671;
constexpr double kSineAtMinus65Db = 0.0005637932565464918;

// Feeds seconds of a steady 1 kHz sine (both channels, or the given ones) in
// blocks and returns the last "Input level" the gain asked for.
double Feed(AutoGainState& autoGain, double seconds, double leftPeak, double rightPeak)
{
  StereoBuffer block(kBlock);
  double inputLevelDb = 0;
  const int blocks = static_cast<int>(std::lround(seconds * kRate / kBlock));
  for (int b = 0; b < blocks; ++b)
  {
    for (int i = 0; i < kBlock; ++i)
    {
      const double phase = 2 * TapeTest::kPi * 1000 * (b * kBlock + i) / kRate;
      block.left[i] = leftPeak * std::sin(phase);
      block.right[i] = rightPeak * std::sin(phase);
    }
    inputLevelDb = autoGain.UpdateAutoGain(block.Channels(), kBlock);
  }
  return inputLevelDb;
}

double Feed(AutoGainState& autoGain, double seconds, double peak)
{
  return Feed(autoGain, seconds, peak, peak);
}

AutoGainState Restarted(double targetVu)
{
  AutoGainState autoGain;
  autoGain.SetSampleRate(kRate);
  autoGain.SetChannelCount(2);
  autoGain.Restart(targetVu);
  return autoGain;
}

TEST(AutoGain, DetectorReadsAFullScaleSineAtAboutZero)
{
  AutoGainState autoGain = Restarted(0);
  StereoBuffer second(kRate);
  TapeTest::AddSine(second.left, 1, 1000, kRate);
  second.right = second.left;
  const double level = autoGain.MeasureInputLevel(second.Channels(), kRate);
  // 20 log10(2/pi) + 3.9 = -0.0224 dB
  EXPECT_NEAR(level, -0.0224, 0.01);
}

// "+0 VU" on a sine at -30 dB: G = (0 - 18) - (-30) = +12 dB. The gain rises
// with a 1 s time constant from nothing: after a second it is at least
// 1 - e^-(1 - one block) of the target (7.96 dB; the target is never below
// its final value once learned) and not much above (the detector's 43 ms
// settling lends it a little); after six it has arrived.
TEST(AutoGain, RisesTowardsTheTargetWithOneSecondTimeConstant)
{
  AutoGainState autoGain = Restarted(0);
  const double afterOneSecond = Feed(autoGain, 1, kSineAtMinus30Db);
  EXPECT_GT(afterOneSecond, 7.96);
  EXPECT_LT(afterOneSecond, 9.0);
  EXPECT_NEAR(Feed(autoGain, 5, kSineAtMinus30Db), 12, 0.05);
  EXPECT_NEAR(autoGain.LoudestLevel(), -30, 0.01);
  EXPECT_NEAR(autoGain.TargetGain(), std::pow(10, 12.0 / 20), 0.01);
}

// "+3 VU" learned on a quiet passage (-30 dB: G = +15 dB), then a loud one at
// -3 dB: G = (3 - 18) + 3 = -12 dB. Falling takes 10 ms, so the gain follows
// the detector down and has arrived within half a second.
TEST(AutoGain, FallsFastWhenALouderPassageArrives)
{
  AutoGainState autoGain = Restarted(3);
  EXPECT_NEAR(Feed(autoGain, 8, kSineAtMinus30Db), 15, 0.05);
  EXPECT_NEAR(Feed(autoGain, 0.5, kSineAtMinus3Db), -12, 0.1);
  // The loudest level only grows: the quiet passage again learns nothing.
  EXPECT_NEAR(Feed(autoGain, 2, kSineAtMinus30Db), -12, 0.1);
}

// Louder than a full-scale sine (a 2.0 peak reads +6.0 dB) with "+0 VU":
// G = -24 dB, beyond the parameter's range, so "Input level" stays at -18.
TEST(AutoGain, InputLevelIsLimitedToItsRange)
{
  AutoGainState autoGain = Restarted(0);
  EXPECT_EQ(Feed(autoGain, 6, 2.0), -18);
  EXPECT_NEAR(autoGain.LoudestLevel(), 6.0, 0.05);
  EXPECT_NEAR(autoGain.TargetGain(), std::pow(10, -24.0 / 20), 0.002);

  // A very quiet passage asks for more than +18 dB: G is limited at +18.
  AutoGainState quiet = Restarted(3);
  EXPECT_NEAR(Feed(quiet, 10, kSineAtMinus65Db * 10), 18, 0.05);  // -45 dB: G = +30
}

// Below -60 dB nothing is learned: the target stays at unity and the gain
// rises from minus infinity (held at -18) with a 1 s time constant:
// 20 log10(1 - e^-1) = -3.98400 dB after a second (python3).
TEST(AutoGain, QuietInputLearnsNothing)
{
  AutoGainState autoGain = Restarted(0);
  EXPECT_EQ(Feed(autoGain, 1.0 / 100, kSineAtMinus65Db), -18);
  EXPECT_NEAR(Feed(autoGain, 0.99, kSineAtMinus65Db), -3.984001692555629, 1e-6);
  EXPECT_EQ(autoGain.LoudestLevel(), -100);
  EXPECT_EQ(autoGain.TargetGain(), 1);
}

// A restart forgets the loudest level, re-opens the target and restarts the
// smoother and the detector from zero.
TEST(AutoGain, RestartForgetsWhatWasLearned)
{
  AutoGainState autoGain = Restarted(0);
  Feed(autoGain, 3, kSineAtMinus3Db);
  ASSERT_NEAR(autoGain.LoudestLevel(), -3, 0.01);
  autoGain.Restart(2);
  EXPECT_EQ(autoGain.TargetVu(), 2);
  EXPECT_EQ(autoGain.LoudestLevel(), -100);
  EXPECT_EQ(autoGain.TargetGain(), 1);
  EXPECT_EQ(autoGain.SmoothedGain(), 0);
  // The detector starts from zero again: the first block reads far below the
  // steady level.
  StereoBuffer block(kBlock);
  TapeTest::AddSine(block.left, kSineAtMinus3Db, 1000, kRate);
  block.right = block.left;
  EXPECT_LT(autoGain.MeasureInputLevel(block.Channels(), kBlock), -20);
}

// Mono listens to the left channel only.
TEST(AutoGain, MonoListensToTheLeftChannel)
{
  AutoGainState autoGain = Restarted(0);
  autoGain.SetChannelCount(1);
  Feed(autoGain, 1, 0, kSineAtMinus3Db);
  EXPECT_EQ(autoGain.LoudestLevel(), -100);

  autoGain.SetChannelCount(2);
  Feed(autoGain, 1, 0, kSineAtMinus3Db);
  EXPECT_NEAR(autoGain.LoudestLevel(), -3, 0.01);
}

// The ballistics follow the stream's rate: at 96 kHz a second of quiet input
// brings the gain to the same -3.984 dB.
TEST(AutoGain, CoefficientsFollowTheSampleRate)
{
  AutoGainState autoGain;
  autoGain.SetSampleRate(96000);
  autoGain.Restart(0);
  StereoBuffer silence(960);
  double level = 0;
  for (int b = 0; b < 100; ++b)
    level = autoGain.UpdateAutoGain(silence.Channels(), 960);
  EXPECT_NEAR(level, -3.984001692555629, 1e-6);
}

}  // namespace
