#pragma once

#include "RecordingPlug.h"
#include "TestGraphics.h"

#include <memory>
#include <utility>

// A graphics core for the tape's parameters; Bind hands it to the plug-in
// as the plug-in's constructor does, which pushes every parameter's value.
struct EditorFixture
{
  RecordingPlug plug;
  std::unique_ptr<TestGraphics> owned;
  TestGraphics* graphics;

  explicit EditorFixture(int width = 400, int height = 300)
    : owned(std::make_unique<TestGraphics>(plug, width, height)), graphics(owned.get())
  {
  }

  template <typename Control, typename... Args>
  Control& Add(Args&&... args)
  {
    auto control = std::make_unique<Control>(plug, std::forward<Args>(args)...);
    Control& added = *control;
    graphics->AddControl(std::move(control));
    return added;
  }

  void Bind() { plug.BindGraphics(owned.release()); }
};
