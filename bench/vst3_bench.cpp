#include "ChainBenchmark.h"
#include "tools/vst3host/PluginInstance.h"
#include "tools/vst3host/Vst3Module.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <vector>

namespace
{
using ChainBenchmark::kBlockSize;
using ChainBenchmark::kRate;

// The same work as the tape chain benchmark, reached as a host reaches it:
// process() on the loaded bundle with 32-bit stereo buffers. "American 15
// IPS", bias +6 dB, hiss on, the automatic gain measuring every block.
void BM_Vst3ProcessStereo(benchmark::State& state)
{
  std::string error;
  auto module = VstHost::Vst3Module::Load(VELKOR_BUNDLE_PATH, error);
  auto plug = module ? VstHost::PluginInstance::Create(*module, u"velkor_bench", error) : nullptr;
  if (!plug || !plug->Prepare(kRate, kBlockSize, Steinberg::Vst::kSample32))
  {
    state.SkipWithError(error.c_str());
    return;
  }
  plug->QueueParameter(6, 2.0 / 7.0);
  plug->QueueParameter(5, 1.0);
  plug->QueueParameter(1, 1.0);
  Steinberg::Vst::ProcessContext playing{};
  playing.state = Steinberg::Vst::ProcessContext::kPlaying;
  plug->SetTransport(playing);

  std::vector<float> left(kBlockSize), right(kBlockSize), outLeft(kBlockSize), outRight(kBlockSize);
  for (int i = 0; i < kBlockSize; ++i)
  {
    left[i] = static_cast<float>(ChainBenchmark::MusicSample(0, i));
    right[i] = static_cast<float>(ChainBenchmark::MusicSample(1, i));
  }
  float* inputs[2] = {left.data(), right.data()};
  float* outputs[2] = {outLeft.data(), outRight.data()};

  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state)
  {
    plug->Process(inputs, 2, outputs, 2, kBlockSize);
    benchmark::DoNotOptimize(outLeft.data());
    benchmark::ClobberMemory();
  }
  ChainBenchmark::ReportCoreShare(state, start);
}
BENCHMARK(BM_Vst3ProcessStereo);
}
