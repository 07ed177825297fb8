#include "AudioFixtures.h"
#include "ToolRun.h"

#include "tools/render/SampleQuantizer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <iostream>
#include <limits>

namespace
{
constexpr double kPi = 3.141592653589793;
constexpr double kStep16 = 32768.0;  // 16-bit steps per full scale

struct ErrorStatistics
{
  double mean = 0.0;
  double variance = 0.0;
  double lagOneCorrelation = 0.0;
  double channelCorrelation = 0.0;
  double shareAt[3] = {};  // of the errors' roundings to -1, 0 and +1 step
};

// Quantizes `count` frames of two channels holding `offset` steps to 16 bits
// and measures the error in steps.
ErrorStatistics QuantizeConstant(double offset, bool dither, int count)
{
  const float value = static_cast<float>(offset / kStep16);
  std::vector<float> left(static_cast<size_t>(count), value), right = left;
  const float* channels[2] = {left.data(), right.data()};
  std::vector<std::int32_t> out(static_cast<size_t>(count) * 2);
  SampleQuantizer quantizer(16, dither, 2);
  quantizer.Quantize(channels, count, out.data());

  std::vector<double> errors[2];
  for (int i = 0; i < count; ++i)
    for (int c = 0; c < 2; ++c)
      errors[c].push_back((out[static_cast<size_t>(2 * i + c)] >> 16) - offset);
  ErrorStatistics statistics;
  for (double e : errors[0])
    statistics.mean += e / count;
  double lag = 0.0, across = 0.0;
  for (int i = 0; i < count; ++i)
  {
    const double e = errors[0][static_cast<size_t>(i)] - statistics.mean;
    statistics.variance += e * e / count;
    if (i > 0)
      lag += e * (errors[0][static_cast<size_t>(i) - 1] - statistics.mean) / count;
    across += e * (errors[1][static_cast<size_t>(i)] - statistics.mean) / count;
    const long rounded = std::lround(errors[0][static_cast<size_t>(i)] + offset);
    if (rounded >= -1 && rounded <= 1)
      statistics.shareAt[rounded + 1] += 1.0 / count;
  }
  if (statistics.variance > 0.0)
  {
    statistics.lagOneCorrelation = lag / statistics.variance;
    statistics.channelCorrelation = across / statistics.variance;
  }
  return statistics;
}

// Triangular dither of ±1 step (two uniform values of ±0.5) and rounding
// make an error of mean 0 and variance 1/6 + 1/12 = 1/4 step² whatever the
// signal; rounding alone makes an error that is the signal's own fraction.
struct ConstantCase
{
  double offset;  // steps
  bool dither;
  double mean;
  double variance;
};

const ConstantCase kConstantCases[] = {
  {0.0, true, 0.0, 0.25},   {0.25, true, 0.0, 0.25},  {0.5, true, 0.0, 0.25},   {-0.75, true, 0.0, 0.25},
  {0.0, false, 0.0, 0.0},   {0.25, false, -0.25, 0.0}, {0.5, false, 0.5, 0.0},  {-0.75, false, -0.25, 0.0},
};

TEST(Dither, MakesTheErrorNoiseOfAQuarterStepSquaredWhateverTheSignal)
{
  constexpr int kCount = 400000;
  for (const ConstantCase& test : kConstantCases)
  {
    SCOPED_TRACE("offset " + std::to_string(test.offset) + (test.dither ? " dithered" : " rounded"));
    const ErrorStatistics statistics = QuantizeConstant(test.offset, test.dither, kCount);
    EXPECT_NEAR(statistics.mean, test.mean, 0.005);
    EXPECT_NEAR(statistics.variance, test.variance, 0.0075);
    if (test.dither)
    {
      EXPECT_NEAR(statistics.lagOneCorrelation, 0.0, 0.01) << "the dither is not white";
      EXPECT_NEAR(statistics.channelCorrelation, 0.0, 0.01) << "the channels share their dither";
    }
  }
}

TEST(Dither, IsTriangularOverTwoSteps)
{
  // On a whole step, the sum of two uniform values reaches beyond ±0.5 (and
  // so rounds to ±1) with a probability of 1/8 on each side.
  const ErrorStatistics statistics = QuantizeConstant(0.0, true, 400000);
  EXPECT_NEAR(statistics.shareAt[0], 0.125, 0.003);
  EXPECT_NEAR(statistics.shareAt[1], 0.75, 0.003);
  EXPECT_NEAR(statistics.shareAt[2], 0.125, 0.003);
}

TEST(Quantizer, RoundsTripsExactlyAndClipsAtFullScale)
{
  struct Case
  {
    int bits;
    float in;
    std::int32_t out;
    bool clipped;
  };
  const Case cases[] = {
    {16, 1.0f / 32768, 1 << 16, false},
    {16, -32768.0f / 32768, -32768 * 65536, false},
    {16, 32767.0f / 32768, 32767 * 65536, false},
    {16, 1.0f, 32767 * 65536, true},
    {16, -1.5f, -32768 * 65536, true},
    {16, std::numeric_limits<float>::quiet_NaN(), 0, true},
    {24, -1.0f / 8388608, -256, false},
    {24, 8388607.0f / 8388608, 8388607 * 256, false},
    {8, 0.5f, 64 << 24, false},
    {8, -0.75f, -96 * (1 << 24), false},
    {32, -1.0f, std::numeric_limits<std::int32_t>::min(), false},
  };
  for (const Case& test : cases)
  {
    SCOPED_TRACE(std::to_string(test.bits) + " bits, " + std::to_string(test.in));
    SampleQuantizer quantizer(test.bits, false, 1);
    const float* channel = &test.in;
    std::int32_t out = 0;
    quantizer.Quantize(&channel, 1, &out);
    EXPECT_EQ(out, test.out);
    EXPECT_EQ(quantizer.ClippedSamples(), test.clipped ? 1 : 0);
  }
}

// A -80 dBFS sine at 997 Hz (whole cycles in 480000 frames, no leakage)
// through the bypassed tape into 16 bits: a peak of 3.28 steps.
constexpr double kAmplitudeSteps = 1e-4 * kStep16;
constexpr int kFrames = 480000;
constexpr double kFrequency = 997.0;
constexpr int kHarmonics = 10;

// The amplitude of harmonic n of a sine of amplitude A (in steps) rounded to
// whole steps: the staircase's Fourier series, 4/(n pi) sum over the
// thresholds j - 1/2 below A of cos(n asin((j - 1/2) / A)), odd n only.
double RoundedSineHarmonic(int n, double amplitude)
{
  if (n % 2 == 0)
    return 0.0;
  double sum = 0.0;
  for (int j = 1; j - 0.5 < amplitude; ++j)
    sum += std::cos(n * std::asin((j - 0.5) / amplitude));
  return 4.0 / (n * kPi) * sum;
}

double HarmonicAmplitude(const std::vector<short>& samples, int n)
{
  std::complex<double> sum;
  for (size_t i = 0; i < samples.size(); ++i)
  {
    const double phase = -2.0 * kPi * n * kFrequency * static_cast<double>(i) / 48000.0;
    sum += static_cast<double>(samples[i]) * std::polar(1.0, phase);
  }
  return 2.0 * std::abs(sum) / static_cast<double>(samples.size());
}

struct SineThrough16Bits
{
  double fundamental;
  double thd;            // harmonics 2 to 10 over the fundamental
  double errorVariance;  // steps²
};

SineThrough16Bits RenderSine(bool dither)
{
  ScratchFolder folder;
  TestAudio audio;
  audio.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
  audio.channels = 1;
  audio.frames = kFrames;
  audio.frequency = kFrequency;
  audio.amplitude = 1e-4;
  WriteAudio(folder / "sine.wav", audio);
  std::vector<std::string> args{"--quiet", "--set", "Bypass=on", "--bits", "16", "sine.wav", "out.wav"};
  if (!dither)
    args.insert(args.begin(), "--no-dither");
  const ToolResult result = RunTool({args, folder.Path()});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  const ReadAudio out(folder / "out.wav");
  const ReadAudio in(folder / "sine.wav");
  EXPECT_EQ(out.info.frames, kFrames);

  SineThrough16Bits measured{HarmonicAmplitude(out.shorts, 1), 0.0, 0.0};
  double harmonics = 0.0;
  for (int n = 2; n <= kHarmonics; ++n)
    harmonics += std::pow(HarmonicAmplitude(out.shorts, n), 2);
  measured.thd = std::sqrt(harmonics) / measured.fundamental;
  for (size_t i = 0; i < out.shorts.size() && i < in.samples.size(); ++i)
    measured.errorVariance += std::pow(out.shorts[i] - kStep16 * static_cast<double>(in.samples[i]), 2) / kFrames;
  return measured;
}

TEST(Dither, TakesTheDistortionOutOfAQuietSine)
{
  const SineThrough16Bits rounded = RenderSine(false);
  const SineThrough16Bits dithered = RenderSine(true);

  double expectedHarmonics = 0.0;
  for (int n = 2; n <= kHarmonics; ++n)
    expectedHarmonics += std::pow(RoundedSineHarmonic(n, kAmplitudeSteps), 2);
  const double roundedThd = std::sqrt(expectedHarmonics) / RoundedSineHarmonic(1, kAmplitudeSteps);
  // With dither only noise of 1/4 step² is left at the harmonics: each
  // amplitude measured over N frames has a mean square of 4 (1/4) / N.
  const double ditheredThd = std::sqrt((kHarmonics - 1) * 1.0 / kFrames) / kAmplitudeSteps;

  EXPECT_NEAR(rounded.thd, roundedThd, 0.03 * roundedThd);
  EXPECT_NEAR(rounded.fundamental, RoundedSineHarmonic(1, kAmplitudeSteps), 0.005);
  EXPECT_GT(dithered.thd, 0.5 * ditheredThd);
  EXPECT_LT(dithered.thd, 1.6 * ditheredThd);
  EXPECT_NEAR(dithered.fundamental, kAmplitudeSteps, 0.01 * kAmplitudeSteps);
  EXPECT_NEAR(dithered.errorVariance, 0.25, 0.0075);

  for (const auto& [name, value] : {std::pair{"thd_rounded_percent", 100.0 * rounded.thd},
                                    std::pair{"thd_dithered_percent", 100.0 * dithered.thd},
                                    std::pair{"noise_dithered_dbfs", 10.0 * std::log10(dithered.errorVariance) -
                                                                       20.0 * std::log10(kStep16)}})
  {
    ::testing::Test::RecordProperty(name, std::to_string(value));
    std::cout << name << ": " << value << "\n";
  }
}
}
