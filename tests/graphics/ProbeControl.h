#pragma once

#include "graphics/IControl.h"

#include <string>
#include <vector>

// A control that writes down what reaches it.
class ProbeControl : public IControl
{
public:
  ProbeControl(IPlugBase& plug, const IRectI& rect, int paramIdx = -1)
    : IControl(plug, rect, paramIdx, IBlendSetting{})
  {
  }

  void PressAt(int x, int y, const IMouseState& state) override
  {
    Note("press", x, y);
    IControl::PressAt(x, y, state);
  }
  void ReleaseAt(int x, int y, const IMouseState&) override { Note("release", x, y); }
  void DragTo(int x, int y, int dx, int dy, const IMouseState&) override
  {
    Note("drag", x, y, " " + std::to_string(dx) + " " + std::to_string(dy));
  }
  void DoubleClickAt(int x, int y, const IMouseState& state) override
  {
    Note("double", x, y);
    IControl::DoubleClickAt(x, y, state);
  }
  void WheelAt(int x, int y, const IMouseState&, int notches) override
  {
    Note("wheel", x, y, " " + std::to_string(notches));
  }
  bool KeyAt(int x, int y, int key) override
  {
    Note("key", x, y, " " + std::to_string(key));
    return takesKeys;
  }
  bool Render(IGraphics&) override
  {
    ++renders;
    return true;
  }
  void IdleTick() override { ++idleTicks; }

  std::vector<std::string> log;
  int renders = 0;
  int idleTicks = 0;
  bool takesKeys = false;

private:
  void Note(const char* what, int x, int y, const std::string& extra = "")
  {
    log.push_back(std::string(what) + " " + std::to_string(x) + "," + std::to_string(y) + extra);
  }
};

#include "graphics/IKnobControl.h"

// A knob that draws nothing: the turning rules alone.
class PlainKnob : public IKnobControl
{
public:
  PlainKnob(IPlugBase& plug, const IRectI& rect, int paramIdx, int direction = KnobVertical)
    : IKnobControl(plug, rect, paramIdx, IBlendSetting{}, direction)
  {
  }

  bool Render(IGraphics&) override { return true; }
};
