#pragma once

#include "tools/vst3host/PluginInstance.h"

#include <string>
#include <vector>

// What --list-params prints: every parameter with its range or choices, its
// unit, its default and the editor's label of its control. `plug` is as it
// was created, so its values are its defaults.
std::string ParameterList(VstHost::PluginInstance& plug);

// The values in force now, as the "Name=value" texts --set takes, in the
// plug-in's order; the parameters in `except` are left out.
std::vector<std::string> SettingsInForce(VstHost::PluginInstance& plug,
                                         const std::vector<Steinberg::Vst::ParamID>& except = {});
