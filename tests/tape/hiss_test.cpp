#include "TapeTestSignals.h"
#include "tape/HissGenerator.h"
#include "tape/HissRandom.h"
#include "tape/TapeEngine.h"
#include "tape/ThreadStateTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <complex>
#include <set>
#include <thread>
#include <vector>

namespace {

using TapeTest::RunOnFreshThread;
using TapeTest::StereoBuffer;

// state = state * 214013 + 2531011 (mod 2^32) from 1, value = (state >> 16) & 0x7FFF;
// t = float(float(r) / 16383.5f - 1.0), worked out with python3 (struct 'f' rounding).
TEST(HissRandom, AFreshThreadStartsTheSequenceFromOne)
{
  const int expectedRandom[] = {41, 18467, 6334, 26500, 19169, 15724};
  const double expectedUnit[] = {-0.9974974989891052, 0.12717068195343018, -0.6133915185928345,
                                 0.617480993270874,   0.17001867294311523, -0.04025393724441528};
  std::vector<int> random;
  std::vector<double> unit;
  RunOnFreshThread([&] {
    for (int i = 0; i < 6; ++i)
    {
      random.push_back(NextHissRandom());
      unit.push_back(HissUnitSample(random.back()));
    }
  });
  EXPECT_EQ(random, std::vector<int>(std::begin(expectedRandom), std::end(expectedRandom)));
  EXPECT_EQ(unit, std::vector<double>(std::begin(expectedUnit), std::end(expectedUnit)));
}

// Each of 64 threads running at once draws its own sequence from 1: none
// takes values from another's.
TEST(HissRandom, SixtyFourThreadsAtOnceEachDrawTheirOwnSequence)
{
  constexpr int kThreads = 64;
  constexpr int kDraws = 2000;
  std::vector<int> expected;
  std::uint32_t state = 1;
  for (int i = 0; i < kDraws; ++i)
  {
    state = state * 214013u + 2531011u;
    expected.push_back(static_cast<int>((state >> 16) & 0x7FFF));
  }
  std::vector<std::vector<int>> drawn(kThreads);
  std::atomic<int> ready{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t)
  {
    threads.emplace_back([&, t] {
      ++ready;
      while (ready.load() < kThreads)
        std::this_thread::yield();
      for (int i = 0; i < kDraws; ++i)
        drawn[t].push_back(NextHissRandom());
    });
  }
  for (std::thread& thread : threads)
    thread.join();
  for (int t = 0; t < kThreads; ++t)
    EXPECT_EQ(drawn[t], expected) << "thread " << t;
}

TEST(ThreadStateTable, EachKeyKeepsItsRowAndKeysBeyondTheTableShareOne)
{
  ThreadStateTable<4> table(1);
  std::set<std::atomic<std::uint32_t>*> rows;
  for (std::uint64_t key : {11u, 12u, 13u, 14u})
  {
    std::atomic<std::uint32_t>& row = table.StateOf(key);
    EXPECT_EQ(row.load(), 1u);
    row.store(static_cast<std::uint32_t>(key * 100));
    rows.insert(&row);
  }
  EXPECT_EQ(rows.size(), 4u);
  for (std::uint64_t key : {14u, 11u, 13u, 12u})
    EXPECT_EQ(table.StateOf(key).load(), key * 100);

  std::atomic<std::uint32_t>& overflow = table.StateOf(15);
  EXPECT_EQ(rows.count(&overflow), 0u);
  EXPECT_EQ(overflow.load(), 1u);
  EXPECT_EQ(&table.StateOf(16), &overflow);
}

TEST(HissRandom, UnitSamplesSpanMinusOneToOne)
{
  EXPECT_EQ(HissUnitSample(0), -1.0);
  EXPECT_EQ(HissUnitSample(32767), 1.0);
  for (int r = 0; r < 32768; r += 97)
    EXPECT_LE(std::fabs(HissUnitSample(r)), 1.0);
}

// First shaped samples on a fresh thread, gain 1, silent input. The shelf
// (44100 Hz, 300 Hz, +15 dB, slope 0.3) and its Direct Form II recursion with
// the alternating 1e-8 offset were run in python3 over the unit samples above:
// stereo draws left, right, left, ...; mono gives the left every draw.
TEST(HissGenerator, DrawsInterleavedAndShapesWithTheShelf)
{
  struct Case
  {
    int channelCount;
    double left[3];
    double right[3];
  };
  const Case cases[] = {
    {2, {-1.0515973836947552, -0.7523148187831881, 0.0135415159028911},
     {0.13406784949714776, 0.6644404643785744, 0.0358085881654}},
    {1, {-1.0515973836947552, 0.028412216161405546, -0.7339165149415625}, {0, 0, 0}},
  };
  for (const Case& c : cases)
  {
    SCOPED_TRACE(c.channelCount);
    StereoBuffer buffer(3);
    RunOnFreshThread([&] {
      HissGenerator hiss;
      hiss.SetGain(1);
      hiss.AddHiss(buffer.Channels(), 3, c.channelCount);
    });
    for (int i = 0; i < 3; ++i)
    {
      EXPECT_NEAR(buffer.left[i], c.left[i], 1e-12);
      EXPECT_NEAR(buffer.right[i], c.right[i], 1e-12);
    }
  }
}

// Two engines on one thread share the sequence: the second continues where
// the first stopped, so its hiss equals that of an engine which finds the
// sequence already advanced by the first engine's draws.
TEST(HissGenerator, EnginesOnOneThreadDrawOneSequence)
{
  constexpr int kFrames = 256;
  auto silentRun = [](TapeEngine& engine) {
    StereoBuffer buffer(kFrames);
    engine.SetChannelCount(2);
    engine.SetHissGain(0.01);
    engine.RunTapeChain(buffer.Channels(), kFrames);
    return buffer.left;
  };
  std::vector<double> first;
  std::vector<double> second;
  RunOnFreshThread([&] {
    TapeEngine a;
    TapeEngine b;
    first = silentRun(a);
    second = silentRun(b);
  });
  std::vector<double> advanced;
  RunOnFreshThread([&] {
    for (int i = 0; i < 2 * kFrames; ++i)
      NextHissRandom();
    TapeEngine c;
    advanced = silentRun(c);
  });
  EXPECT_NE(first, second);
  EXPECT_EQ(second, advanced);
}

// Power of the shaped hiss: the unit samples' variance (0.33335, over all
// 32768 values) times the shelf's mean |H|^2 over 0..fs/2 (1.26070 at 48 kHz,
// integrated numerically in python3), so the RMS is 0.64828 times the peak
// level. Checked at both ends of the "Hiss level" range.
TEST(HissGenerator, LevelFollowsThePeakGain)
{
  constexpr int kLength = 48000 * 4;
  for (double levelDb : {-60.0, -100.0})
  {
    SCOPED_TRACE(levelDb);
    const double peak = std::pow(10, levelDb / 20);
    StereoBuffer buffer(kLength);
    HissGenerator hiss;
    hiss.DesignShelf(48000);
    hiss.SetGain(peak);
    hiss.AddHiss(buffer.Channels(), kLength, 2);
    const double expectedRms = 0.6482751137612892 * peak;
    EXPECT_NEAR(TapeTest::Rms(buffer.left, 4800, kLength), expectedRms, 0.02 * expectedRms);
    EXPECT_NEAR(TapeTest::Rms(buffer.right, 4800, kLength), expectedRms, 0.02 * expectedRms);
  }
}

// Spectrum shape: averaged Hann-windowed periodograms around 50 Hz and 8 kHz.
// White noise through the shelf has |H(50)|/|H(8000)| = 13.69 dB at 48 kHz
// (python3, cookbook low shelf 300 Hz, +15 dB, slope 0.3).
TEST(HissGenerator, LowsAreLiftedByTheShelf)
{
  constexpr double kRate = 48000;
  constexpr int kSegment = 4096;
  constexpr int kSegments = 48;
  StereoBuffer buffer(kSegment * kSegments);
  HissGenerator hiss;
  hiss.DesignShelf(kRate);
  hiss.SetGain(0.1);
  hiss.AddHiss(buffer.Channels(), buffer.Length(), 2);

  // Five neighbouring bins per region, each an average over all segments.
  auto bandPower = [&](double centre) {
    const int centreBin = static_cast<int>(std::lround(centre * kSegment / kRate));
    double power = 0;
    for (int segment = 0; segment < kSegments; ++segment)
    {
      for (int bin = centreBin - 2; bin <= centreBin + 2; ++bin)
      {
        std::complex<double> sum = 0;
        for (int i = 0; i < kSegment; ++i)
        {
          const double window = 0.5 - 0.5 * std::cos(2 * TapeTest::kPi * i / kSegment);
          sum += window * buffer.left[segment * kSegment + i] * std::polar(1.0, -2 * TapeTest::kPi * bin * i / kSegment);
        }
        power += std::norm(sum);
      }
    }
    return power;
  };
  EXPECT_NEAR(10 * std::log10(bandPower(50) / bandPower(8000)), 13.69, 1.0);
}

// A mono stretch filters the unused right buffer every block; it must stay
// silent, so that a later switch to stereo hisses the right channel at the
// same level as the left.
TEST(HissGenerator, TenMinutesOfMonoThenStereoStaysAtLevel)
{
  constexpr int kRate = 44100;
  constexpr int kBlock = HissGenerator::kNoiseBufferLength;
  HissGenerator hiss;
  hiss.SetGain(0.01);
  StereoBuffer buffer(kBlock);
  for (int done = 0; done < 10 * 60 * kRate; done += kBlock)
  {
    std::fill(buffer.left.begin(), buffer.left.end(), 0.0);
    std::fill(buffer.right.begin(), buffer.right.end(), 0.0);
    hiss.AddHiss(buffer.Channels(), kBlock, 1);
  }
  EXPECT_TRUE(std::all_of(buffer.right.begin(), buffer.right.end(), [](double x) { return x == 0; }));

  StereoBuffer stereo(kRate);
  hiss.AddHiss(stereo.Channels(), stereo.Length(), 2);
  // 0.65406 x peak at 44.1 kHz, as for the level test.
  const double expectedRms = 0.6540643164085471 * 0.01;
  for (const std::vector<double>* channel : {&stereo.left, &stereo.right})
  {
    EXPECT_TRUE(std::all_of(channel->begin(), channel->end(), [](double x) { return std::isfinite(x); }));
    EXPECT_NEAR(TapeTest::Rms(*channel, 0, kRate), expectedRms, 0.04 * expectedRms);
  }
}

// Blocks longer than the noise buffers go in slices: the output is the same
// as for the same audio in buffer-sized blocks (each run on a fresh thread,
// so both draw the same sequence).
TEST(HissGenerator, LongBlocksGoInSlices)
{
  for (int length : {8193, 20000})
  {
    SCOPED_TRACE(length);
    StereoBuffer whole(length);
    RunOnFreshThread([&] {
      HissGenerator hiss;
      hiss.SetGain(0.01);
      hiss.AddHiss(whole.Channels(), length, 2);
    });
    StereoBuffer pieces(length);
    RunOnFreshThread([&] {
      HissGenerator hiss;
      hiss.SetGain(0.01);
      for (int offset = 0; offset < length; offset += HissGenerator::kNoiseBufferLength)
      {
        double* channels[2] = {pieces.left.data() + offset, pieces.right.data() + offset};
        hiss.AddHiss(channels, std::min(HissGenerator::kNoiseBufferLength, length - offset), 2);
      }
    });
    EXPECT_EQ(whole.left, pieces.left);
    EXPECT_EQ(whole.right, pieces.right);
    EXPECT_NE(whole.left[length - 1], 0);
  }
}

// The hiss joins after the deck and before the output gain; with silence in,
// the output is hiss times the output gain, and hiss off is silence (but for
// the filters' anti-denormal offsets).
TEST(HissGenerator, EngineAddsHissBeforeTheOutputGain)
{
  constexpr int kLength = 48000;
  auto silentRms = [](bool hissOn, double outputGain) {
    StereoBuffer buffer(kLength);
    TapeEngine engine;
    engine.Reset(48000);
    engine.SetChannelCount(2);
    engine.SetHissOn(hissOn);
    engine.SetHissGain(std::pow(10, -60.0 / 20));
    engine.SetOutputGain(outputGain);
    engine.RunTapeChain(buffer.Channels(), kLength);
    return TapeTest::Rms(buffer.left, 4800, kLength);
  };
  const double expected = 0.6482751137612892e-3;
  EXPECT_NEAR(silentRms(true, 1), expected, 0.03 * expected);
  EXPECT_NEAR(silentRms(true, 4), 4 * expected, 0.12 * expected);
  EXPECT_LT(silentRms(false, 1), 1e-7);
}

}  // namespace
