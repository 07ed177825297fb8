#pragma once

#include "ParameterSetting.h"

#include "core/IRectI.h"

#include <cstdint>
#include <string>
#include <vector>

// The tape plug-in's editor drawn off-screen. The plug-in class is linked
// into this program (a picture needs the editor's pixels, which a host never
// sees), created through its own factory and driven as a host drives it:
// the settings arrive as parameter changes, `blocks` blocks of the
// demonstration signal play so the meters show it, then every control draws.
// With a `scale` (not 0) the editor's view is given it as the host's content
// scale factor first; without, the editor keeps the system's scale. The
// picture has the window's pixels.
struct EditorPicture
{
  int width = 0;
  int height = 0;
  // Rows top down, opaque 0xFFRRGGBB.
  std::vector<std::uint32_t> pixels;
  // Where the knobs print their values, in the picture's pixels.
  std::vector<IRectI> knobTextAreas;
};

// Enough of the demonstration for the needles to swing up (about a second):
// what velkortape-render --editor plays before it draws.
constexpr int kEditorPictureBlocks = 90;

bool DrawEditorPicture(const std::vector<ParameterSetting>& settings, int blocks, EditorPicture& picture,
                       std::string& error, double scale = 0.0);
