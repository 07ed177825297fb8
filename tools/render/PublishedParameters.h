#pragma once

#include "tools/vst3host/PluginInstance.h"

#include <string>
#include <vector>

// A parameter of the plug-in as its controller publishes it to hosts: the
// host's own preset and bypass switches are left out, they are not the
// plug-in's settings.
struct PublishedParameter
{
  Steinberg::Vst::ParamID id = 0;
  std::string title;
  std::string units;
  // The display texts of a list parameter, in value order; empty for a
  // range.
  std::vector<std::string> choices;

  bool IsList() const { return !choices.empty(); }
  double NormalizedOfChoice(size_t choice) const;
};

std::vector<PublishedParameter> PublishedParameters(VstHost::PluginInstance& plug);

// The plug-in's own text for a value of parameter `id`, as its editor and
// hosts show it ("Swiss 30 IPS", "-3.0").
std::string DisplayText(VstHost::PluginInstance& plug, Steinberg::Vst::ParamID id, double normalized);

// A VST 3 string in plain ASCII, '?' for anything else.
std::string Narrow(const Steinberg::Vst::TChar* text);
