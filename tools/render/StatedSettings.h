#pragma once

#include "ParameterSetting.h"

#include "tools/vst3host/PluginInstance.h"

#include <string>
#include <vector>

// Brings an active plug-in into the state the settings state, as a recall
// would: every parameter named ends with the value given, whatever the
// order, and every other one is at its default. "Output compensation" ties
// "Output level" to "Input level" (and back) as an editor gesture would, but
// only for a level not named: with it on, "Input level=12" alone gives an
// output level of -12, "Input level=12" with "Output level=0" gives both as
// stated. The defaults are recalled from the plug-in's first program; the
// values reach it as host parameter changes, in blocks of no audio, on the
// thread that then plays it.
bool ApplyStatedSettings(VstHost::PluginInstance& plug, const std::vector<ParameterSetting>& settings,
                         std::string& error);
