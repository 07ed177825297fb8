#include "dsp/FilterDesign.h"
#include "dsp/RbjDesigns.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

constexpr int kBlockSize = 512;

// The block is filtered in place over and over; a low pass never amplifies,
// so the signal stays bounded and normal.
void BM_LowPassStereoBlock(benchmark::State& state)
{
  Dsp::FilterDesign<Dsp::RBJ::Design::LowPass, 2, Dsp::DirectFormII> filter;
  Dsp::FilterParams params;
  params[0] = 44100;
  params[1] = 5000;
  params[2] = 0.7071067811865476;
  filter.ApplyParams(params);

  std::vector<double> left(kBlockSize);
  std::vector<double> right(kBlockSize);
  for (int i = 0; i < kBlockSize; ++i)
  {
    left[i] = std::sin(0.05 * i);
    right[i] = std::cos(0.03 * i);
  }
  double* channels[2] = {left.data(), right.data()};

  for (auto _ : state)
  {
    filter.ProcessBlock(kBlockSize, channels);
    benchmark::DoNotOptimize(left.data());
    benchmark::DoNotOptimize(right.data());
    benchmark::ClobberMemory();
  }
  // Stereo sample frames per second.
  state.SetItemsProcessed(state.iterations() * kBlockSize);
}
BENCHMARK(BM_LowPassStereoBlock);

}  // namespace
