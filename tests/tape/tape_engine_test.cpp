#include "TapeTestSignals.h"
#include "tape/TapeEngine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

using TapeTest::Db;
using TapeTest::StereoBuffer;

constexpr double kToneAmplitude = 1e-3;

TapeEngine QuietEngine(double sampleRate, int deck, double biasDb)
{
  TapeEngine engine;
  engine.Reset(sampleRate);
  engine.SetChannelCount(2);
  engine.SelectDeck(deck);
  engine.SetBias(biasDb);
  engine.SetHissOn(false);
  return engine;
}

struct ChainCase
{
  double sampleRate;
  double biasDb;
  int frequency;
  double expectedDb;
};

// Small-signal gain of the whole chain with deck 0 ("Japan 15 IPS"), unity
// levels and no hiss. The emphasis shelves (2500 Hz, +-9 dB, slope 0.3) are
// exact inverses, erf's slope at zero is 2/sqrt(pi) (+1.0491 dB), so the
// chain reads 20*log10(2/sqrt(pi)) + deck(f) + bias shelf(f). Worked out
// with python3 from the cookbook formulas at the stream's rate: the bias shelf
// is a high shelf at 10 kHz, slope 0.7, gain 0/3/6 dB; the deck is its row.
TEST(TapeEngine, SmallSignalGainIsErfSlopeThroughBiasAndDeck)
{
  const ChainCase cases[] = {
    {44100, 0, 1000, -0.7631}, {44100, 0, 15000, -0.5563},
    {44100, 3, 1000, -0.7540}, {44100, 3, 15000, 2.0842},
    {44100, 6, 1000, -0.7439}, {44100, 6, 15000, 4.6965},
    {96000, 0, 1000, -0.7534}, {96000, 0, 15000, 1.1720},
    {96000, 3, 1000, -0.7410}, {96000, 3, 15000, 3.4990},
    {96000, 6, 1000, -0.7272}, {96000, 6, 15000, 5.7927},
  };
  for (const ChainCase& c : cases)
  {
    SCOPED_TRACE(std::to_string(c.sampleRate) + " Hz, bias " + std::to_string(c.biasDb) + " dB, tone " +
                 std::to_string(c.frequency));
    const int second = static_cast<int>(c.sampleRate);
    StereoBuffer buffer(2 * second);
    TapeTest::AddSine(buffer.left, kToneAmplitude, c.frequency, c.sampleRate);
    buffer.right = buffer.left;
    TapeEngine engine = QuietEngine(c.sampleRate, 0, c.biasDb);
    engine.RunTapeChain(buffer.Channels(), buffer.Length());

    const double left = TapeTest::ToneAmplitude(buffer.left, second, 2 * second, c.frequency, c.sampleRate);
    const double right = TapeTest::ToneAmplitude(buffer.right, second, 2 * second, c.frequency, c.sampleRate);
    EXPECT_NEAR(Db(left / kToneAmplitude), c.expectedDb, 0.01);
    EXPECT_NEAR(Db(right / kToneAmplitude), c.expectedDb, 0.01);
  }
}

// At small levels the input and output gains multiply the chain's gain.
TEST(TapeEngine, InputAndOutputGainsScaleTheSmallSignal)
{
  auto oneKiloHertzGain = [](double inputGain, double outputGain) {
    StereoBuffer buffer(2 * 44100);
    TapeTest::AddSine(buffer.left, kToneAmplitude, 1000, 44100);
    buffer.right = buffer.left;
    TapeEngine engine = QuietEngine(44100, 0, 0);
    engine.SetInputGain(inputGain);
    engine.SetOutputGain(outputGain);
    engine.RunTapeChain(buffer.Channels(), buffer.Length());
    return TapeTest::ToneAmplitude(buffer.left, 44100, 2 * 44100, 1000, 44100) / kToneAmplitude;
  };
  const double unity = oneKiloHertzGain(1, 1);
  EXPECT_NEAR(Db(unity), -0.7631, 0.01);
  EXPECT_NEAR(oneKiloHertzGain(0.5, 1) / unity, 0.5, 1e-4);
  EXPECT_NEAR(oneKiloHertzGain(1, 4) / unity, 4, 1e-4);
}

// Mono: the per-channel steps leave the right buffer to the filters, which
// run both channels; with hiss on only the left is hissed.
TEST(TapeEngine, MonoTouchesOnlyTheLeftChannelSteps)
{
  StereoBuffer mono(4096);
  TapeTest::AddSine(mono.left, 0.5, 1000, 44100);
  mono.right = mono.left;
  StereoBuffer stereo = mono;

  TapeEngine monoEngine;
  monoEngine.SetChannelCount(1);
  monoEngine.SetInputGain(2);
  monoEngine.SetHissOn(false);
  monoEngine.RunTapeChain(mono.Channels(), mono.Length());

  TapeEngine stereoEngine;
  stereoEngine.SetChannelCount(2);
  stereoEngine.SetInputGain(2);
  stereoEngine.SetHissOn(false);
  stereoEngine.RunTapeChain(stereo.Channels(), stereo.Length());

  EXPECT_EQ(mono.left, stereo.left);
  EXPECT_NE(mono.right, stereo.right);  // no input gain, no erf on the right
  EXPECT_GT(monoEngine.VuValue(0), 0.5);
  EXPECT_EQ(monoEngine.VuValue(1), 0);
}

// Reset at the stream's rate keeps every history and meter: the block after
// it comes out as if nothing had happened.
TEST(TapeEngine, ResetKeepsFilterHistories)
{
  StereoBuffer first(2000);
  TapeTest::AddSine(first.left, 0.4, 300, 48000);
  first.right = first.left;
  StereoBuffer second = first;
  StereoBuffer secondAgain = first;

  auto run = [&](bool resetBetween) {
    TapeEngine engine = QuietEngine(48000, 3, 6);
    StereoBuffer a = first;
    engine.RunTapeChain(a.Channels(), a.Length());
    if (resetBetween)
    {
      engine.Reset(48000);
      engine.SetChannelCount(2);
    }
    StereoBuffer b = second;
    engine.RunTapeChain(b.Channels(), b.Length());
    return b.left;
  };
  EXPECT_EQ(run(true), run(false));
}

TEST(TapeEngine, ResetTakesTheWholeHertzAndIgnoresImpossibleRates)
{
  TapeEngine engine;
  engine.Reset(48000.9);
  EXPECT_EQ(engine.SampleRate(), 48000);
  EXPECT_EQ(engine.ChannelCount(), 1);
  for (double impossible : {0.0, -44100.0, std::nan(""), 1e12})
  {
    engine.Reset(impossible);
    EXPECT_EQ(engine.SampleRate(), 48000);
  }
}

TEST(TapeEngine, EmptyBlocksChangeNothing)
{
  TapeEngine engine;
  StereoBuffer buffer(4);
  buffer.left = {0.9, 1.2, -0.3, 0.1};
  buffer.right = buffer.left;
  engine.RunTapeChain(buffer.Channels(), 4);
  const double vu = engine.VuValue(0);
  const double clip = engine.ClipValue(0);
  engine.RunTapeChain(buffer.Channels(), 0);
  engine.RunTapeChain(buffer.Channels(), -5);
  EXPECT_EQ(engine.VuValue(0), vu);
  EXPECT_EQ(engine.ClipValue(0), clip);
}

// The whole chain at low stream rates (where the 10 kHz bias shelf and the
// 20 kHz low pass lie past half the rate) and high ones: a loud burst, then
// silence that must die away to the hiss-free noise floor.
TEST(TapeEngine, StableAndFiniteAtEveryRate)
{
  for (double sampleRate : {11025.0, 16000.0, 22050.0, 44100.0, 48000.0, 96000.0, 192000.0})
  {
    for (int d = 0; d < 8; ++d)
    {
      SCOPED_TRACE(std::to_string(static_cast<int>(sampleRate)) + " Hz, deck " + std::to_string(d));
      StereoBuffer buffer = TapeTest::BurstThenSilence(sampleRate, 2, 0.3, 0.7, 0.05);

      TapeEngine engine = QuietEngine(sampleRate, d, 6);
      engine.RunTapeChain(buffer.Channels(), buffer.Length());

      const TapeTest::BurstAftermath after = TapeTest::AftermathOf(buffer);
      EXPECT_TRUE(after.allFinite);
      EXPECT_LT(after.tailPeak, 1e-6);
    }
  }
}

// The audio does not depend on how the host cuts it into blocks: every stage
// runs its samples in order (the meters, which keep a block maximum, aside).
// Blocks longer than the noise buffers included; hiss on, each run on a fresh
// thread so that all draw the same random sequence.
TEST(TapeEngine, BlockSizeDoesNotChangeTheAudio)
{
  constexpr int kLength = 20000;
  StereoBuffer source(kLength);
  TapeTest::AddSine(source.left, 0.8, 440, 44100);
  TapeTest::AddSine(source.right, 0.3, 3000, 44100);

  auto processInBlocksOf = [&](int blockLength) {
    StereoBuffer buffer = source;
    TapeTest::RunOnFreshThread([&] {
      TapeEngine engine;
      engine.SetChannelCount(2);
      engine.SelectDeck(2);
      engine.SetBias(6);
      engine.SetHissGain(1e-3);
      for (int offset = 0; offset < kLength; offset += blockLength)
      {
        double* channels[2] = {buffer.left.data() + offset, buffer.right.data() + offset};
        engine.RunTapeChain(channels, std::min(blockLength, kLength - offset));
      }
    });
    return buffer;
  };

  const StereoBuffer whole = processInBlocksOf(kLength);
  for (int blockLength : {1, 7, 512, 8192, 8193})
  {
    SCOPED_TRACE(blockLength);
    const StereoBuffer pieces = processInBlocksOf(blockLength);
    EXPECT_EQ(pieces.left, whole.left);
    EXPECT_EQ(pieces.right, whole.right);
  }
  EXPECT_TRUE(std::all_of(whole.left.begin(), whole.left.end(), [](double x) { return std::isfinite(x); }));
}

}  // namespace
