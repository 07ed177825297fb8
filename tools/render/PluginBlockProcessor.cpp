#include "PluginBlockProcessor.h"

#include "StatedSettings.h"

#include "tape/TapeParams.h"

#include <limits>
#include <utility>

using namespace Steinberg;
using namespace Steinberg::Vst;

PluginBlockProcessor::PluginBlockProcessor(VstHost::PluginInstance& plug, std::vector<ParameterSetting> settings)
  : mPlug(plug), mSettings(std::move(settings))
{
}

bool PluginBlockProcessor::Start(double sampleRate, int maxBlockFrames, int channels, std::string& error)
{
  if (!mPlug.Prepare(sampleRate, maxBlockFrames, kSample32, channels, channels))
  {
    error = "the plug-in refused to process " + std::to_string(channels) + " channels at " +
            std::to_string(static_cast<long>(sampleRate)) + " Hz";
    return false;
  }
  if (!ApplyStatedSettings(mPlug, mSettings, error))
  {
    mPlug.Deactivate();
    return false;
  }
  mChannels = channels;
  const uint32 latency = mPlug.Processor()->getLatencySamples();
  mLatency = latency > static_cast<uint32>(std::numeric_limits<int>::max()) ? std::numeric_limits<int>::max()
                                                                            : static_cast<int>(latency);
  mTransport = ProcessContext{};
  mTransport.state = ProcessContext::kPlaying;
  mTransport.sampleRate = sampleRate;
  mTransport.tempo = 120.0;
  mTransport.timeSigNumerator = 4;
  mTransport.timeSigDenominator = 4;
  return true;
}

bool PluginBlockProcessor::Process(float* const* inputs, float* const* outputs, int frames, std::string& error)
{
  mPlug.SetTransport(mTransport);
  if (mPlug.Process(const_cast<float**>(inputs), mChannels, const_cast<float**>(outputs), mChannels, frames) !=
      kResultOk)
  {
    error = "the plug-in failed to process a block";
    return false;
  }
  mTransport.projectTimeSamples += frames;
  return true;
}

double PluginBlockProcessor::InputLevelDb() const
{
  return mPlug.Controller()->normalizedParamToPlain(ParamInputLevel, mPlug.Normalized(ParamInputLevel));
}

void PluginBlockProcessor::Stop()
{
  mPlug.Deactivate();
}
