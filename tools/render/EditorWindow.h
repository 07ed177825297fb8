#pragma once

#include "ParameterSetting.h"

#include <string>
#include <vector>

// Shows the plug-in's editor as a Linux host does: its VST 3 view attached
// to a top-level window of exactly the editor's size, on a run loop of ours,
// while an audio thread plays the demonstration signal through the plug-in
// in real time (nothing is heard) so the meters move. Returns when the
// window is closed, or on Escape.
bool RunEditorWindow(VstHost::PluginInstance& plug, const std::vector<ParameterSetting>& settings,
                     std::string& error);
