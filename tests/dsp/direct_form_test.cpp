#include "DesignedFilter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using namespace Dsp::RBJ::Design;
using DspTest::ParamsOf;
using DspTest::StereoFilter;

std::vector<double> TestSignal(int length, double phase)
{
  std::vector<double> signal(length);
  for (int i = 0; i < length; ++i)
    signal[i] = 0.6 * std::sin(0.07 * i + phase) + 0.3 * std::sin(1.9 * i) + (i % 17 == 0 ? 0.25 : 0.0);
  return signal;
}

// The processing rule written out: w = x - a1 z1 - a2 z2 + offset,
// y = b0 w + b1 z1 + b2 z2, with the offset negated before every sample.
struct ReferenceDirectFormII
{
  double z1 = 0;
  double z2 = 0;
  double offset = 1e-8;

  double Step(const Dsp::BiquadCoefficients& c, double x)
  {
    offset = -offset;
    const double w = x - c.a1 * z1 - c.a2 * z2 + offset;
    const double y = c.b0 * w + c.b1 * z1 + c.b2 * z2;
    z2 = z1;
    z1 = w;
    return y;
  }
};

TEST(DirectForm, ImpulseResponseOfAHandWorkedBiquad)
{
  // a = (2, -1, 0.5), b = (1, 0.5, 0.25): normalised a1 = -0.5, a2 = 0.25,
  // b0 = 0.5, b1 = 0.25, b2 = 0.125. By hand: w = 1, 0.5, 0, -0.125, -0.0625, 0
  // and y = 0.5 w[n] + 0.25 w[n-1] + 0.125 w[n-2].
  const Dsp::BiquadCoefficients coefficients = Dsp::NormalisedCoefficients(2, -1, 0.5, 1, 0.5, 0.25);
  Dsp::DirectFormII state;
  double samples[6] = {1, 0, 0, 0, 0, 0};
  state.Process(6, samples, coefficients);
  const double expected[6] = {0.5, 0.5, 0.25, 0, -0.0625, -0.03125};
  for (int i = 0; i < 6; ++i)
    EXPECT_NEAR(samples[i], expected[i], 1e-7) << "sample " << i;
}

TEST(DirectForm, FollowsTheProcessingRuleBitForBit)
{
  StereoFilter<HighShelf> filter;
  filter.ApplyParams(ParamsOf({44100, 3000, 7.5, 0.9}));
  std::vector<double> left = TestSignal(1000, 0);
  std::vector<double> right = TestSignal(1000, 1);
  const std::vector<double> leftInput = left;
  const std::vector<double> rightInput = right;
  double* channels[2] = {left.data(), right.data()};
  filter.ProcessBlock(1000, channels);

  ReferenceDirectFormII leftReference;
  ReferenceDirectFormII rightReference;
  for (int i = 0; i < 1000; ++i)
  {
    ASSERT_EQ(left[i], leftReference.Step(filter.Coefficients(), leftInput[i])) << "left sample " << i;
    ASSERT_EQ(right[i], rightReference.Step(filter.Coefficients(), rightInput[i])) << "right sample " << i;
  }
}

TEST(DirectForm, SilenceAfterClearStateCarriesOnlyTheAlternatingOffset)
{
  // A 0 dB band shelf is an identity, so its output is the input plus the offset.
  StereoFilter<BandShelf> identity;
  identity.ApplyParams(ParamsOf({44100, 1000, 0, 1}));
  double left[5] = {0.5, -0.25, 1, 0, 0};
  double right[5] = {};
  double* channels[2] = {left, right};
  identity.ProcessBlock(5, channels);
  identity.ClearState();

  double silenceLeft[4] = {};
  double silenceRight[4] = {};
  double* silence[2] = {silenceLeft, silenceRight};
  identity.ProcessBlock(4, silence);
  // Five samples have gone by, so the offset's phase continues with +1e-8.
  const double expected[4] = {1e-8, -1e-8, 1e-8, -1e-8};
  for (int i = 0; i < 4; ++i)
  {
    EXPECT_NEAR(silenceLeft[i], expected[i], 1e-20) << "left sample " << i;
    EXPECT_NEAR(silenceRight[i], expected[i], 1e-20) << "right sample " << i;
  }
  EXPECT_NEAR(right[0], -1e-8, 1e-20) << "a new filter starts with -1e-8";
}

TEST(DirectForm, OffsetOnSilenceIsScaledByTheGainAtNyquist)
{
  // A +12 dB high shelf gains A^2 = 3.98 at half the sample rate.
  StereoFilter<HighShelf> filter;
  filter.ApplyParams(ParamsOf({44100, 2000, 12, 1}));
  std::vector<double> left(4000);
  std::vector<double> right(4000);
  double* channels[2] = {left.data(), right.data()};
  filter.ProcessBlock(4000, channels);
  const double nyquistGain = std::pow(10, 12.0 / 20);
  for (int i = 3990; i < 4000; ++i)
  {
    EXPECT_NEAR(std::fabs(left[i]), 1e-8 * nyquistGain, 1e-12) << "sample " << i;
    EXPECT_LT(left[i] * left[i - 1], 0) << "sign alternates at sample " << i;
    EXPECT_NE(left[i], 0);
  }
}

TEST(DirectForm, ApplyParamsKeepsTheHistory)
{
  StereoFilter<LowPass> filter;
  filter.ApplyParams(ParamsOf({44100, 500, 0.7}));
  std::vector<double> left = TestSignal(300, 0);
  std::vector<double> right = TestSignal(300, 0);
  double* channels[2] = {left.data(), right.data()};
  filter.ProcessBlock(300, channels);
  const Dsp::DirectFormII before = filter.ChannelState(0);
  ASSERT_NE(before.z1, 0);
  ASSERT_NE(before.z2, 0);

  filter.ApplyParams(ParamsOf({44100, 5000, 2}));
  EXPECT_EQ(filter.ChannelState(0).z1, before.z1);
  EXPECT_EQ(filter.ChannelState(0).z2, before.z2);

  double nextLeft = 0.3;
  double nextRight = 0.3;
  double* next[2] = {&nextLeft, &nextRight};
  filter.ProcessBlock(1, next);
  const Dsp::BiquadCoefficients& c = filter.Coefficients();
  const double w = 0.3 - c.a1 * before.z1 - c.a2 * before.z2 - before.offset;
  EXPECT_DOUBLE_EQ(nextLeft, c.b0 * w + c.b1 * before.z1 + c.b2 * before.z2);
  EXPECT_GT(std::fabs(nextLeft - c.b0 * 0.3), 1e-3) << "a cleared history would give b0 * x";
}

TEST(DirectForm, ChannelsAreIndependent)
{
  const Dsp::FilterParams params = ParamsOf({48000, 1200, 4, 0.7});
  StereoFilter<LowShelf> stereo;
  stereo.ApplyParams(params);
  std::vector<double> left = TestSignal(800, 0);
  std::vector<double> right(800);
  double* channels[2] = {left.data(), right.data()};
  stereo.ProcessBlock(800, channels);

  StereoFilter<LowShelf> swapped;
  swapped.ApplyParams(params);
  std::vector<double> swappedLeft(800);
  std::vector<double> swappedRight = TestSignal(800, 0);
  double* swappedChannels[2] = {swappedLeft.data(), swappedRight.data()};
  swapped.ProcessBlock(800, swappedChannels);

  for (int i = 0; i < 800; ++i)
  {
    ASSERT_EQ(left[i], swappedRight[i]) << "sample " << i;
    ASSERT_EQ(right[i], swappedLeft[i]) << "sample " << i;
    ASSERT_LT(std::fabs(right[i]), 1e-7) << "silent channel stays at offset level, sample " << i;
  }
}

TEST(DirectForm, FloatPathIsTheDoublePathRounded)
{
  const Dsp::FilterParams params = ParamsOf({44100, 800, 5, 1.2});
  StereoFilter<BandShelf> doubleFilter;
  StereoFilter<BandShelf> floatFilter;
  doubleFilter.ApplyParams(params);
  floatFilter.ApplyParams(params);

  const std::vector<double> signal = TestSignal(600, 0.3);
  std::vector<float> floatLeft(600);
  std::vector<float> floatRight(600);
  std::vector<double> doubleLeft(600);
  std::vector<double> doubleRight(600);
  for (int i = 0; i < 600; ++i)
  {
    floatLeft[i] = static_cast<float>(signal[i]);
    floatRight[i] = static_cast<float>(-signal[i]);
    doubleLeft[i] = floatLeft[i];
    doubleRight[i] = floatRight[i];
  }
  float* floatChannels[2] = {floatLeft.data(), floatRight.data()};
  double* doubleChannels[2] = {doubleLeft.data(), doubleRight.data()};
  // Two blocks each, so the state carries across calls on both paths.
  floatFilter.ProcessBlockFloat(250, floatChannels);
  doubleFilter.ProcessBlock(250, doubleChannels);
  float* floatRest[2] = {floatLeft.data() + 250, floatRight.data() + 250};
  double* doubleRest[2] = {doubleLeft.data() + 250, doubleRight.data() + 250};
  floatFilter.ProcessBlockFloat(350, floatRest);
  doubleFilter.ProcessBlock(350, doubleRest);

  for (int i = 0; i < 600; ++i)
  {
    ASSERT_EQ(floatLeft[i], static_cast<float>(doubleLeft[i])) << "sample " << i;
    ASSERT_EQ(floatRight[i], static_cast<float>(doubleRight[i])) << "sample " << i;
  }
}

TEST(DirectForm, NewFilterIsAPassThroughUntilDesigned)
{
  StereoFilter<LowPass> filter;
  double left[3] = {0.5, -1, 0.25};
  double right[3] = {1, 2, 3};
  double* channels[2] = {left, right};
  filter.ProcessBlock(3, channels);
  EXPECT_NEAR(left[0], 0.5, 1e-7);
  EXPECT_NEAR(left[1], -1, 1e-7);
  EXPECT_NEAR(left[2], 0.25, 1e-7);
  EXPECT_NEAR(right[2], 3, 1e-7);
}

}  // namespace
