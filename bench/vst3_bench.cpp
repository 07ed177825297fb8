#include "tools/vst3host/PluginInstance.h"
#include "tools/vst3host/Vst3Module.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <memory>
#include <vector>

namespace
{
constexpr int kRate = 48000;
constexpr int kBlockSize = 512;

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
    left[i] = static_cast<float>(0.3 * std::sin(0.05 * i) + 0.1 * std::sin(0.71 * i));
    right[i] = static_cast<float>(0.3 * std::cos(0.03 * i) + 0.1 * std::sin(1.3 * i));
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
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  const double frames = static_cast<double>(state.iterations()) * kBlockSize;
  state.SetItemsProcessed(state.iterations() * kBlockSize);
  state.counters["core_percent_at_48k"] = 100 * kRate * elapsed.count() / frames;
}
BENCHMARK(BM_Vst3ProcessStereo);
}
