#pragma once

#include "ParameterSetting.h"

#include <string>
#include <vector>

// How the editor is shown the demonstration (tools/render/DemoSignal.h): in
// stereo, in blocks of kDemoBlockFrames at kDemoSampleRate, so that its
// meters move.
constexpr int kDemoBlockFrames = 512;
constexpr int kDemoChannels = 2;

// Prepares `plug` to play the demonstration that way and applies
// `settings` as one stated state (StatedSettings.h); false, with `error` set,
// when the plug-in refuses.
bool PrepareForDemo(VstHost::PluginInstance& plug, const std::vector<ParameterSetting>& settings,
                    std::string& error);
