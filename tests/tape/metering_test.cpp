#include "TapeTestSignals.h"
#include "tape/EnvelopeFollower.h"
#include "tape/Metering.h"
#include "tape/TapeEngine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using TapeTest::StereoBuffer;

struct BallisticsCase
{
  const char* name;
  double coefficient;
  int sampleRate;
  double seconds;     // how long the follower falls from 1 towards 0
  double expected;    // where it must be then
};

// Each coefficient from its definition: the VU fall reaches 1 % after 200 ms;
// the clip lamp, the gain smoother's rise and its fall reach 1/e after their
// time constants (0.6 s, 1 s, 10 ms).
TEST(EnvelopeFollower, CoefficientsGiveTheirTimeConstants)
{
  const BallisticsCase cases[] = {
    {"VU at 44.1 kHz", VuCoefficient(44100), 44100, 0.2, 0.01},
    {"VU at 96 kHz", VuCoefficient(96000), 96000, 0.2, 0.01},
    {"clip lamp", TimeConstantCoefficient(0.6, 48000), 48000, 0.6, std::exp(-1.0)},
    {"gain rise", TimeConstantCoefficient(1, 44100), 44100, 1, std::exp(-1.0)},
    {"gain fall", TimeConstantCoefficient(0.01, 44100), 44100, 0.01, std::exp(-1.0)},
  };
  for (const BallisticsCase& c : cases)
  {
    SCOPED_TRACE(c.name);
    EnvelopeFollower follower{1, c.coefficient, c.coefficient};
    const int steps = static_cast<int>(std::lround(c.seconds * c.sampleRate));
    for (int i = 0; i < steps; ++i)
      follower.Step(0);
    EXPECT_NEAR(follower.value, c.expected, 1e-9);
  }
}

TEST(EnvelopeFollower, RiseAndFallUseTheirOwnCoefficients)
{
  EnvelopeFollower follower{0.5, 0.25, 0.75};
  follower.Step(1);  // rising: 0.75 * 1 + 0.25 * 0.5
  EXPECT_DOUBLE_EQ(follower.value, 0.875);
  follower.Step(0);  // falling: 0.75 * 0.875
  EXPECT_DOUBLE_EQ(follower.value, 0.65625);
  follower.Step(0.65625);  // neither: stays
  EXPECT_DOUBLE_EQ(follower.value, 0.65625);
}

// p = (0.00219863507548932 L^3 + 0.11896408168669 L^2 + 1.22897127191594 L
//      - 4.91690666307524 + L + 20) / 23, evaluated in python3.
TEST(Metering, VuPositionFollowsTheScale)
{
  EXPECT_NEAR(VuPosition(-20), 0.021748694320321744, 1e-12);
  EXPECT_NEAR(VuPosition(0), 0.6557866668228156, 1e-12);
  EXPECT_NEAR(VuPosition(3), 0.9956542189083045, 1e-12);
}

// A sine's rectified mean is 2/pi of its peak; 10^(-18/20) peak reads
// L = 20 log10(2/pi 10^(-18/20)) + 3.9 + 18 = -0.0224 VU, p = 0.65362
// (python3). Through the engine the meters see the signal after the input
// gain: a sine 6 dB lower with +6 dB input gain reads the same.
TEST(Metering, SteadySineEighteenDecibelsDownReadsZeroVu)
{
  struct Case
  {
    double sampleRate;
    double peak;
    double inputGain;
  };
  const Case cases[] = {
    {44100, std::pow(10, -18.0 / 20), 1},
    {48000, std::pow(10, -18.0 / 20), 1},
    {96000, std::pow(10, -24.0 / 20), std::pow(10, 6.0 / 20)},
  };
  for (const Case& c : cases)
  {
    SCOPED_TRACE(c.sampleRate);
    TapeEngine engine;
    engine.Reset(c.sampleRate);
    engine.SetChannelCount(2);
    engine.SetInputGain(c.inputGain);
    const int block = 512;
    StereoBuffer second(static_cast<int>(c.sampleRate));
    TapeTest::AddSine(second.left, c.peak, 1000, c.sampleRate);
    TapeTest::AddSine(second.right, c.peak, 1000, c.sampleRate);
    for (int offset = 0; offset + block <= second.Length(); offset += block)
    {
      double* channels[2] = {second.left.data() + offset, second.right.data() + offset};
      engine.RunTapeChain(channels, block);
    }
    EXPECT_NEAR(engine.VuValue(0), 0.65362, 0.002);
    EXPECT_NEAR(engine.VuValue(1), 0.65362, 0.002);
    EXPECT_EQ(engine.ClipValue(0), 0);
  }
}

TEST(Metering, SilenceRestsTheNeedlesAndLeavesTheLampsDark)
{
  TapeMeters meters;
  StereoBuffer silence(512);
  meters.MeasureVu(silence.Channels(), 512, 2);
  meters.MeasureClip(silence.Channels(), 512, 2);
  EXPECT_EQ(meters.VuValue(0), 0);
  EXPECT_EQ(meters.VuValue(1), 0);
  EXPECT_EQ(meters.ClipValue(0), 0);
  EXPECT_EQ(meters.ClipValue(1), 0);
}

// An over lights the lamp at once with its magnitude; it then fades with a
// 0.6 s time constant (1.5 e^-1 = 0.55182 after 0.6 s). Anything below full
// scale does not light it.
TEST(Metering, ClipLampRisesAtOnceAndFadesInSixTenths)
{
  TapeMeters meters;
  meters.SetSampleRate(48000);
  StereoBuffer block(480);
  block.left[479] = -1.5;
  block.right[479] = 0.999;
  meters.MeasureClip(block.Channels(), 480, 2);
  EXPECT_EQ(meters.ClipValue(0), 1.5);
  EXPECT_EQ(meters.ClipValue(1), 0);

  StereoBuffer silence(28800);  // 0.6 s
  meters.MeasureClip(silence.Channels(), silence.Length(), 2);
  EXPECT_NEAR(meters.ClipValue(0), 0.5518191617571635, 1e-9);

  StereoBuffer exactlyFull(1);
  exactlyFull.right[0] = 1.0;
  meters.MeasureClip(exactlyFull.Channels(), 1, 2);
  EXPECT_EQ(meters.ClipValue(1), 1.0);
}

// Mono measures the left channel only; the right meters keep their values.
TEST(Metering, MonoMeasuresOnlyTheLeftChannel)
{
  TapeMeters meters;
  StereoBuffer loud(4410);
  TapeTest::AddSine(loud.left, 0.5, 1000, 44100);
  TapeTest::AddSine(loud.right, 1.5, 1000, 44100);
  meters.MeasureVu(loud.Channels(), loud.Length(), 2);
  meters.MeasureClip(loud.Channels(), loud.Length(), 2);
  const double rightVu = meters.VuValue(1);
  const double rightClip = meters.ClipValue(1);
  ASSERT_GT(rightVu, 0);
  ASSERT_GT(rightClip, 0);

  StereoBuffer louderRight(4410);
  TapeTest::AddSine(louderRight.right, 3, 1000, 44100);
  meters.MeasureVu(louderRight.Channels(), louderRight.Length(), 1);
  meters.MeasureClip(louderRight.Channels(), louderRight.Length(), 1);
  EXPECT_EQ(meters.VuValue(1), rightVu);
  EXPECT_EQ(meters.ClipValue(1), rightClip);
}

// Very loud input pins the needle at 1 (samples are clamped to full scale,
// and the position is limited), very quiet input at 0.
TEST(Metering, NeedleStaysOnTheScale)
{
  TapeMeters meters;
  StereoBuffer block(44100);
  TapeTest::AddSine(block.left, 100, 1000, 44100);
  TapeTest::AddSine(block.right, 1e-6, 1000, 44100);
  meters.MeasureVu(block.Channels(), block.Length(), 2);
  EXPECT_EQ(meters.VuValue(0), 1);
  EXPECT_EQ(meters.VuValue(1), 0);
}

}  // namespace
