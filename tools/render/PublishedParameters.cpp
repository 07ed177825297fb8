#include "PublishedParameters.h"

using namespace Steinberg;
using namespace Steinberg::Vst;

std::string Narrow(const TChar* text)
{
  std::string narrow;
  for (; *text; ++text)
    narrow.push_back(*text < 128 ? static_cast<char>(*text) : '?');
  return narrow;
}

double PublishedParameter::NormalizedOfChoice(size_t choice) const
{
  return choices.size() < 2 ? 0.0 : static_cast<double>(choice) / static_cast<double>(choices.size() - 1);
}

std::string DisplayText(VstHost::PluginInstance& plug, ParamID id, double normalized)
{
  String128 text{};
  if (plug.Controller()->getParamStringByValue(id, normalized, text) != kResultOk)
    return "";
  return Narrow(text);
}

std::vector<PublishedParameter> PublishedParameters(VstHost::PluginInstance& plug)
{
  std::vector<PublishedParameter> parameters;
  IEditController* controller = plug.Controller();
  for (int32 i = 0; i < controller->getParameterCount(); ++i)
  {
    ParameterInfo info{};
    if (controller->getParameterInfo(i, info) != kResultTrue ||
        (info.flags & (ParameterInfo::kIsProgramChange | ParameterInfo::kIsBypass)))
      continue;
    PublishedParameter parameter;
    parameter.id = info.id;
    parameter.title = Narrow(info.title);
    parameter.units = Narrow(info.units);
    if ((info.flags & ParameterInfo::kIsList) && info.stepCount > 0)
      for (int32 step = 0; step <= info.stepCount; ++step)
        parameter.choices.push_back(DisplayText(plug, info.id, static_cast<double>(step) / info.stepCount));
    parameters.push_back(std::move(parameter));
  }
  return parameters;
}
