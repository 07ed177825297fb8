#include "tape/TapeEditor.h"

#include "graphics/IBitmapControl.h"
#include "graphics/ICairoDropdown.h"
#include "graphics/IGraphics.h"
#include "graphics/IKnobMultiControlText.h"
#include "graphics/ISwitchControl.h"
#include "tape/TapeParams.h"
#include "tape/TapePictures.h"

#include <memory>

namespace
{
constexpr IColorRGBA kTextColour{255, 64, 64, 64};
constexpr int kKnobTextSize = 15;
constexpr int kKnobTextOffset = -10;

struct Pictures
{
  const IFrameBitmap& button;
  const IFrameBitmap& lamp;
  const IFrameBitmap& knob;
  const IFrameBitmap& vuMeter;
  const IFrameBitmap& machines;
};

const IFrameBitmap& Load(IGraphics& graphics, const TapePicture& picture, int frameCount)
{
  return graphics.LoadFrameBitmap(picture.id, picture.path, frameCount, false);
}

Pictures LoadPictures(IGraphics& graphics)
{
  const IFrameBitmap& button = Load(graphics, kTapeButton, 2);
  const IFrameBitmap& lamp = Load(graphics, kTapeLamp, 20);
  const IFrameBitmap& knob = Load(graphics, kTapeKnob, 73);
  const IFrameBitmap& vuMeter = Load(graphics, kTapeVuMeter, 100);
  const IFrameBitmap& machines = Load(graphics, kTapeMachines, 4);
  return {button, lamp, knob, vuMeter, machines};
}
} // namespace

TapeMeterControls BuildTapeEditor(IGraphics& graphics, IPlugBase& plug)
{
  const Pictures pictures = LoadPictures(graphics);
  graphics.AddBackground(kTapeBackground.id, kTapeBackground.path);
  // Their drawings at twice the pixels, loaded once the editor shows at a scale above 1.
  for (const TapePicture& picture : kTapePictures)
    graphics.AddDoubleScalePicture(picture.id, picture.doubleId, picture.doublePath);

  const ITextStyle knobText("Arial", kKnobTextSize, kTextColour);
  const auto addKnob = [&](int x, int y, int paramIdx) {
    graphics.AddControl(std::make_unique<IKnobMultiControlText>(plug, x, y, paramIdx, pictures.knob, knobText, true,
                                                                KnobTextBelow, kKnobTextOffset));
  };
  const auto addSwitch = [&](int x, int y, int paramIdx) {
    graphics.AddControl(std::make_unique<ISwitchControl>(plug, x, y, paramIdx, pictures.button, BlendSourceAlpha));
  };
  const auto addSelector = [&](const IRectI& rect, int paramIdx) {
    graphics.AddControl(std::make_unique<ICairoDropdown>(plug, rect, paramIdx, kTextColour));
  };
  const auto addPicture = [&](int x, int y, const IFrameBitmap& bitmap) {
    return graphics.AddControl(std::make_unique<IBitmapControl>(plug, x, y, bitmap, BlendSourceAlpha));
  };

  addKnob(24, 212, ParamInputLevel);
  addKnob(180, 212, ParamOutputLevel);
  addSwitch(344, 193, ParamAutoInput);
  addSwitch(344, 282, ParamOutputCompensation);
  addSwitch(344, 365, ParamHiss);
  addSwitch(641, 36, ParamBypass);
  addSelector({441, 242, 491, 260}, ParamAutoInputLevel);
  addSelector({391, 333, 441, 351}, ParamBiasLevel);
  addSelector({603, 114, 721, 132}, ParamGroup);
  addSelector({603, 198, 721, 216}, ParamDeckType);
  addSelector({440, 413, 490, 431}, ParamHissLevel);

  TapeMeterControls meters;
  meters.leftVu = addPicture(20, 14, pictures.vuMeter);
  meters.rightVu = addPicture(280, 14, pictures.vuMeter);
  meters.leftLamp = addPicture(39, 106, pictures.lamp);
  meters.rightLamp = addPicture(299, 106, pictures.lamp);
  meters.machine = addPicture(549, 228, pictures.machines);
  return meters;
}
