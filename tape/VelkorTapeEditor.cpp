#include "VelkorTape.h"

#include "graphics/IControl.h"
#include "graphics/IGraphics.h"
#include "graphics/PlatformGraphics.h"
#include "raster/ycairo_canvas.h"
#include "tape/DeckTable.h"

// The plug-in's editor, on platforms that have their window layer.
namespace
{
constexpr int kEditorWidth = 760;
constexpr int kEditorHeight = 450;
// Each machine runs at two tape speeds, side by side in the deck table.
constexpr int kSpeedsPerMachine = 2;
constexpr int kMachineCount = kDeckCount / kSpeedsPerMachine;

void TakeValue(IGraphics& graphics, int controlIdx, double value)
{
  if (IControl* control = graphics.GetControl(controlIdx))
    control->TakePlugValue(value);
}
} // namespace

void VelkorTape::BuildEditor()
{
  std::unique_ptr<IGraphics> graphics = CreatePlatformGraphics(*this, kEditorWidth, kEditorHeight, 0);
  if (graphics == nullptr)
    return;
  SetCanvas(std::make_unique<ycairo_canvas>());
  mMeterControls = BuildTapeEditor(*graphics, *this);
  mGraphics = graphics.get();
  BindGraphics(graphics.release());
}

void VelkorTape::ShowMachine(int deck)
{
  if (mGraphics != nullptr)
    TakeValue(*mGraphics, mMeterControls.machine,
              static_cast<double>(deck / kSpeedsPerMachine) / static_cast<double>(kMachineCount - 1));
}

void VelkorTape::ShowMeters()
{
  if (mGraphics == nullptr)
    return;
  TakeValue(*mGraphics, mMeterControls.leftVu, mEngine.VuValue(0));
  TakeValue(*mGraphics, mMeterControls.rightVu, mEngine.VuValue(1));
  TakeValue(*mGraphics, mMeterControls.leftLamp, mEngine.ClipValue(0));
  TakeValue(*mGraphics, mMeterControls.rightLamp, mEngine.ClipValue(1));
}
