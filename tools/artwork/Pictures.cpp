#include "tools/artwork/Pictures.h"

namespace velkor::artwork {

void writeAllPictures(const std::string& folder) {
  const Lettering lettering;
  writePng(drawBackground(lettering), folder + "/bkg.png");
  writePng(drawButton(), folder + "/button.png");
  writePng(drawLamp(), folder + "/led.png");
  writePng(drawVuMeter(lettering), folder + "/vumeter.png");
  writePng(drawKnob(), folder + "/knob.png");
  writePng(drawRecorders(), folder + "/recorders.png");
}

}  // namespace velkor::artwork
