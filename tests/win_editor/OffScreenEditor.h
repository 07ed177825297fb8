#pragma once

#include "core/IRectI.h"

#include "pluginterfaces/vst/vsttypes.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// The tape plug-in's editor drawn off-screen, in this process: the plug-in
// class is linked into the test (a host never sees the editor's pixels),
// made through its own factory and given `settings` (parameter id and
// normalised value) as a host gives parameter changes; `blocks` blocks of
// the render tool's demonstration signal play so the meters show it, as
// velkortape-render --editor plays them; then every control draws.
struct OffScreenEditor
{
  int width = 0;
  int height = 0;
  // Rows top down, 0xRRGGBB.
  std::vector<std::uint32_t> pixels;
  // Where the knobs print their values.
  std::vector<IRectI> knobTextAreas;
};

using EditorSettings = std::vector<std::pair<Steinberg::Vst::ParamID, double>>;

bool DrawOffScreen(const EditorSettings& settings, OffScreenEditor& picture, std::string& error, int blocks = 0);
