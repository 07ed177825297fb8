#include "StatedSettings.h"

#include "tape/TapeParams.h"

#include <algorithm>
#include <optional>

using namespace Steinberg;
using namespace Steinberg::Vst;
using VstHost::PluginInstance;

namespace
{
constexpr ParamID kCompensation = ParamOutputCompensation;

std::optional<double> StatedValue(const std::vector<ParameterSetting>& settings, ParamID id)
{
  const auto found = std::find_if(settings.begin(), settings.end(),
                                  [&](const ParameterSetting& setting) { return setting.id == id; });
  return found == settings.end() ? std::nullopt : std::optional<double>(found->normalized);
}

std::optional<ParamID> ProgramChange(PluginInstance& plug)
{
  IEditController* controller = plug.Controller();
  for (int32 i = 0; i < controller->getParameterCount(); ++i)
  {
    ParameterInfo info{};
    if (controller->getParameterInfo(i, info) == kResultTrue && (info.flags & ParameterInfo::kIsProgramChange))
      return info.id;
  }
  return std::nullopt;
}

bool Flush(PluginInstance& plug, std::string& error)
{
  if (plug.FlushParameters() == kResultOk)
    return true;
  error = "the plug-in refused its settings";
  return false;
}
}

bool ApplyStatedSettings(PluginInstance& plug, const std::vector<ParameterSetting>& settings, std::string& error)
{
  // The first program holds the plug-in's defaults; choosing it recalls
  // them all at once, as a host recalls a preset.
  const std::optional<ParamID> programChange = ProgramChange(plug);
  if (!programChange)
  {
    error = "the plug-in has no program with its defaults to start from";
    return false;
  }
  plug.QueueParameter(*programChange, 0.0);
  if (!Flush(plug, error))
    return false;
  const double compensation = StatedValue(settings, kCompensation).value_or(plug.Normalized(kCompensation));

  // With the coupling off, every value lands as it is given.
  plug.QueueParameter(kCompensation, 0.0);
  if (!Flush(plug, error))
    return false;
  for (const ParameterSetting& setting : settings)
    if (setting.id != kCompensation)
      plug.QueueParameter(setting.id, setting.normalized);
  if (!Flush(plug, error))
    return false;
  plug.QueueParameter(kCompensation, compensation);
  if (!Flush(plug, error))
    return false;

  // A single named level, given again with the coupling on, takes the other
  // one along.
  const std::optional<double> input = StatedValue(settings, ParamInputLevel);
  const std::optional<double> output = StatedValue(settings, ParamOutputLevel);
  if (compensation < 0.5 || input.has_value() == output.has_value())
    return true;
  plug.QueueParameter(input ? ParamInputLevel : ParamOutputLevel, input ? *input : *output);
  return Flush(plug, error);
}
