#pragma once

#include "ParameterSetting.h"

#include <string>
#include <vector>

// Shows the plug-in's editor as a Linux host does: its VST 3 view attached
// to a top-level window of exactly the editor's size, on a run loop of ours,
// while an audio thread plays the demonstration signal through the plug-in
// in real time (nothing is heard) so the meters move. With a `scale` (not
// 0) the host sends it as its content scale factor before it asks the size.
// Returns when the window is closed, or on Escape.
bool RunEditorWindow(VstHost::PluginInstance& plug, const std::vector<ParameterSetting>& settings,
                     std::string& error, double scale = 0.0);
