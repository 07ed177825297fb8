#pragma once

#include "tools/artwork/CairoHandles.h"
#include "tools/artwork/Lettering.h"

#include <string>

namespace velkor::artwork {

// Each picture for a display of `scale` (1 or 2) times the editor's pixels,
// from the same drawing.
Surface drawBackground(const Lettering& lettering, int scale);
Surface drawButton(int scale);
Surface drawLamp(int scale);
Surface drawVuMeter(const Lettering& lettering, int scale);
Surface drawKnob(int scale);
Surface drawRecorders(int scale);

// The folder the pictures for twice the editor's pixels go into, under the
// folder of the others, with the same file names.
constexpr const char* doubleScaleFolder = "2x";

// Writes bkg.png, button.png, led.png, vumeter.png, knob.png and recorders.png
// into folder, and the same pictures at twice the scale into its doubleScaleFolder.
void writeAllPictures(const std::string& folder);

}  // namespace velkor::artwork
