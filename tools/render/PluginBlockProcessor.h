#pragma once

#include "BlockProcessor.h"
#include "ParameterSetting.h"

#include "tools/vst3host/PluginInstance.h"

#include <vector>

// The name the tool gives itself as the plug-in's host.
inline const VstHost::HostString kRenderHostName = STR16("velkortape-render");

// The plug-in played as a host plays it while its transport runs: set up and
// activated for the file's rate and channels, given the stated settings
// (StatedSettings.h), fed blocks with the transport's position, deactivated
// at the end. Its latency is the one it reports once all that is done. One
// thread drives it, as host thread and audio thread at once.
class PluginBlockProcessor : public BlockProcessor
{
public:
  PluginBlockProcessor(VstHost::PluginInstance& plug, std::vector<ParameterSetting> settings);

  bool Start(double sampleRate, int maxBlockFrames, int channels, std::string& error) override;
  int LatencyFrames() const override { return mLatency; }
  bool Process(float* const* inputs, float* const* outputs, int frames, std::string& error) override;
  double InputLevelDb() const override;
  void Stop() override;

private:
  VstHost::PluginInstance& mPlug;
  std::vector<ParameterSetting> mSettings;
  Steinberg::Vst::ProcessContext mTransport{};
  int mChannels = 0;
  int mLatency = 0;
};
