#include "tools/artwork/Pictures.h"

#include <filesystem>

namespace velkor::artwork {

namespace {

void writeAtScale(const Lettering& lettering, int scale, const std::string& folder) {
  writePng(drawBackground(lettering, scale), folder + "/bkg.png");
  writePng(drawButton(scale), folder + "/button.png");
  writePng(drawLamp(scale), folder + "/led.png");
  writePng(drawVuMeter(lettering, scale), folder + "/vumeter.png");
  writePng(drawKnob(scale), folder + "/knob.png");
  writePng(drawRecorders(scale), folder + "/recorders.png");
}

}  // namespace

void writeAllPictures(const std::string& folder) {
  const Lettering lettering;
  writeAtScale(lettering, 1, folder);
  const std::string doubled = folder + "/" + doubleScaleFolder;
  std::filesystem::create_directories(doubled);
  writeAtScale(lettering, 2, doubled);
}

}  // namespace velkor::artwork
