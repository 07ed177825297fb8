#include "DemoPlayback.h"

#include "DemoSignal.h"
#include "StatedSettings.h"

bool PrepareForDemo(VstHost::PluginInstance& plug, const std::vector<ParameterSetting>& settings,
                    std::string& error)
{
  if (!plug.Prepare(kDemoSampleRate, kDemoBlockFrames, Steinberg::Vst::kSample32, kDemoChannels, kDemoChannels))
  {
    error = "the plug-in refused to process";
    return false;
  }
  return ApplyStatedSettings(plug, settings, error);
}
