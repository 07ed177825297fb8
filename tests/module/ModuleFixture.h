#pragma once

#include "tools/vst3host/PluginInstance.h"
#include "tools/vst3host/Vst3Module.h"

#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace VstHost
{
inline constexpr ParamID kBypassId = 0x62706173;  // 'bpas'
inline constexpr ParamID kPresetId = 0x70727374;  // 'prst'
inline constexpr int kMaxStateBytes = 64 * 1024;

// The bundle loaded once per test; instances made on demand.
class ModuleTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    std::string error;
    module = Vst3Module::Load(VELKOR_BUNDLE_PATH, error);
    ASSERT_TRUE(module) << error;
  }

  std::unique_ptr<PluginInstance> NewInstance(const HostString& hostName = STR16("Velkor Test Host"))
  {
    std::string error;
    auto instance = PluginInstance::Create(*module, hostName, error);
    EXPECT_TRUE(instance) << error;
    return instance;
  }

  std::unique_ptr<Vst3Module> module;
};

// Planar stereo buffers of one sample type.
template <class Sample>
struct Buffers
{
  Buffers(int channels, int frames) : data(channels, std::vector<Sample>(frames))
  {
    for (auto& channel : data)
      pointers.push_back(channel.data());
  }
  Sample** Pointers() { return pointers.data(); }
  std::vector<std::vector<Sample>> data;
  std::vector<Sample*> pointers;
};

template <class Sample>
void FillWithSine(Buffers<Sample>& buffers, double frequency, double amplitude, double sampleRate, int startFrame = 0)
{
  for (size_t c = 0; c < buffers.data.size(); ++c)
    for (size_t i = 0; i < buffers.data[c].size(); ++i)
      buffers.data[c][i] = static_cast<Sample>(
        amplitude * std::sin(2.0 * 3.141592653589793 * frequency * (startFrame + double(i)) / sampleRate + double(c)));
}
}
