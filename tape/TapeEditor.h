#pragma once

class IGraphics;
class IPlugBase;

// List indices of the controls the plug-in feeds itself, not bound to any
// parameter.
struct TapeMeterControls
{
  int leftVu = -1;
  int rightVu = -1;
  int leftLamp = -1;
  int rightLamp = -1;
  int machine = -1;
};

// Lays the tape editor's pictures and controls into `graphics`, a fresh
// 760 x 450 graphics core of `plug`, whose parameters and cairo canvas
// already exist. The plug-in binds the graphics core afterwards.
TapeMeterControls BuildTapeEditor(IGraphics& graphics, IPlugBase& plug);
