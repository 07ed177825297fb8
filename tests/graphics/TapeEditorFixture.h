#pragma once

#include "RecordingPlug.h"
#include "TestGraphics.h"
#include "raster/ycairo_canvas.h"
#include "tape/TapeEditor.h"

#include <memory>

// The tape editor as the plug-in builds it: canvas first, then the layout,
// then binding, with a graphics core that presents nowhere. A deck change
// moves the machine picture, as the tape plug-in's change handling does.
struct TapeEditorFixture
{
  RecordingPlug plug;
  TestGraphics* graphics = nullptr;
  TapeMeterControls meters;

  TapeEditorFixture()
  {
    auto owned = std::make_unique<TestGraphics>(plug, 760, 450);
    graphics = owned.get();
    plug.SetCanvas(std::make_unique<ycairo_canvas>());
    meters = BuildTapeEditor(*graphics, plug);
    plug.BindGraphics(owned.release());
    plug.onChange = [this](int paramIdx, ParamChangeSource) {
      if (paramIdx == ParamDeckType)
        graphics->GetControl(meters.machine)
          ->TakePlugValue(static_cast<int>(plug.GetParam(ParamDeckType)->Value()) / 2 / 3.0);
    };
  }

  LICE_IBitmap& Surface() { return *graphics->DrawingSurface(); }

  // The editor's first full pass, then the timer ticks until nothing is left
  // to draw.
  void ShowSettled()
  {
    graphics->DrawAll();
    for (IRectI region; graphics->CollectDirtyRegion(region); region = {})
      graphics->DrawRegion(region);
  }
};
