#pragma once

#include "tools/vst3host/PluginInstance.h"

#include <string>

// A "Name=value" setting resolved against the plug-in's published parameters:
// the name is a parameter's title (case ignored), the value either one of its
// display texts ("Swiss 30 IPS", "on") or a plain number in its range ("-3").
struct ParameterSetting
{
  Steinberg::Vst::ParamID id = 0;
  Steinberg::Vst::ParamValue normalized = 0.0;
};

bool ResolveSetting(VstHost::PluginInstance& plug, const std::string& text, ParameterSetting& setting,
                    std::string& error);

// The display texts of a list parameter, in value order (empty for others).
std::vector<std::string> ListTexts(VstHost::PluginInstance& plug, Steinberg::Vst::ParamID id);

// A display text as part of a file name: letters and digits in lower case,
// '-' for everything else.
std::string FileNameSlug(const std::string& text);
