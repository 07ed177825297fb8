#include "ChainBenchmark.h"
#include "tape/AutoGain.h"
#include "tape/TapeEngine.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <vector>

namespace {

using ChainBenchmark::kBlockSize;
using ChainBenchmark::kRate;

// One stereo instance with every stage working: "American 15 IPS" (all three
// shelves active), bias +6 dB, hiss on, the automatic gain measuring each
// block. The same music block is fed again and again, as a host would feed
// fresh audio.
void BM_TapeChainStereo(benchmark::State& state)
{
  TapeEngine engine;
  engine.Reset(kRate);
  engine.SetChannelCount(2);
  engine.SelectDeck(2);
  engine.SetBias(6);
  engine.SetHissOn(true);
  engine.SetHissGain(std::pow(10, -76.0 / 20));
  AutoGainState autoGain;
  autoGain.SetSampleRate(kRate);
  autoGain.SetChannelCount(2);
  autoGain.Restart(0);

  std::vector<double> sourceLeft(kBlockSize);
  std::vector<double> sourceRight(kBlockSize);
  for (int i = 0; i < kBlockSize; ++i)
  {
    sourceLeft[i] = ChainBenchmark::MusicSample(0, i);
    sourceRight[i] = ChainBenchmark::MusicSample(1, i);
  }
  std::vector<double> left(kBlockSize);
  std::vector<double> right(kBlockSize);
  double* channels[2] = {left.data(), right.data()};

  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state)
  {
    left = sourceLeft;
    right = sourceRight;
    const double inputLevelDb = autoGain.UpdateAutoGain(channels, kBlockSize);
    engine.SetInputGain(std::pow(10, inputLevelDb / 20));
    engine.RunTapeChain(channels, kBlockSize);
    benchmark::DoNotOptimize(left.data());
    benchmark::DoNotOptimize(right.data());
    benchmark::ClobberMemory();
  }
  ChainBenchmark::ReportCoreShare(state, start);
}
BENCHMARK(BM_TapeChainStereo);

}  // namespace
