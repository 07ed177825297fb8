#pragma once

#include "tools/vst3host/PluginInstance.h"

#include <string>
#include <vector>

// A "Name=value" setting resolved against the plug-in's published
// parameters. The name is a parameter's title, case ignored. A range
// parameter takes a decimal number in its range, with or without its unit
// and a space before it ("6", "6 dB", "-76dB"); a list parameter takes one of
// its display texts, case and spaces ignored ("Swiss 30 IPS", "+6dB"), or
// the number a single one of them shows ("6" for "+6 dB", "3" for "Group 3").
struct ParameterSetting
{
  Steinberg::Vst::ParamID id = 0;
  Steinberg::Vst::ParamValue normalized = 0.0;
};

bool ResolveSetting(VstHost::PluginInstance& plug, const std::string& text, ParameterSetting& setting,
                    std::string& error);

// Resolves each text in turn; a parameter named twice is refused, since the
// settings are one stated state and cannot hold two values of it.
bool ResolveSettings(VstHost::PluginInstance& plug, const std::vector<std::string>& texts,
                     std::vector<ParameterSetting>& settings, std::string& error);

// A display text as part of a file name: letters and digits in lower case,
// '-' for everything else.
std::string FileNameSlug(const std::string& text);
