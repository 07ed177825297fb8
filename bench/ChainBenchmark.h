#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>

// What the two tape chain benchmarks share, so that the engine's figure and
// the loaded bundle's measure the same work.
namespace ChainBenchmark {

constexpr int kRate = 48000;
constexpr int kBlockSize = 512;

// The music block fed on channel 0 (left) or 1 (right): two sines each, well
// below full scale.
inline double MusicSample(int channel, int i)
{
  if (channel == 0)
    return 0.3 * std::sin(0.05 * i) + 0.1 * std::sin(0.71 * i);
  return 0.3 * std::cos(0.03 * i) + 0.1 * std::sin(1.3 * i);
}

// Called right after the timing loop that began at `start`: stereo frames per
// second, and the share of one core a stream at kRate takes (the time per
// frame times kRate frames a second).
inline void ReportCoreShare(benchmark::State& state, std::chrono::steady_clock::time_point start)
{
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  const double frames = static_cast<double>(state.iterations()) * kBlockSize;
  state.SetItemsProcessed(state.iterations() * kBlockSize);
  state.counters["core_percent_at_48k"] = 100 * kRate * elapsed.count() / frames;
}

}  // namespace ChainBenchmark
