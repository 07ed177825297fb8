#pragma once

#include "tools/artwork/CairoHandles.h"
#include "tools/artwork/Lettering.h"

#include <string>

namespace velkor::artwork {

Surface drawBackground(const Lettering& lettering);
Surface drawButton();
Surface drawLamp();
Surface drawVuMeter(const Lettering& lettering);
Surface drawKnob();
Surface drawRecorders();

// Writes bkg.png, button.png, led.png, vumeter.png, knob.png and recorders.png into folder.
void writeAllPictures(const std::string& folder);

}  // namespace velkor::artwork
