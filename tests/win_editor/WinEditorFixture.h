#pragma once

// Before windows.h, whose `byte` its four-character codes would shadow.
#include "tests/graphics/RecordingPlug.h"

#include "TestDesktop.h"
#include "platform/win/IGraphicsWin.h"
#include "raster/ycairo_canvas.h"
#include "tape/TapeEditor.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <memory>

using namespace std::chrono_literals;

// The tape editor on the Windows window layer, opened in a window the test
// makes as a host would, with the test running the thread's message loop.
class WinEditorTest : public ::testing::Test
{
protected:
  static constexpr int kParentWidth = 1000;
  static constexpr int kParentHeight = 600;
  // The input knob's value text, which opens the value entry.
  static constexpr int kInputTextX = 84;
  static constexpr int kInputTextY = 335;
  // A bare part of the background.
  static constexpr int kBackgroundX = 745;
  static constexpr int kBackgroundY = 440;

  void SetUp() override
  {
    auto owned = std::make_unique<IGraphicsWin>(plug, 760, 450, 0);
    graphics = owned.get();
    plug.SetCanvas(std::make_unique<ycairo_canvas>());
    meters = BuildTapeEditor(*graphics, plug);
    plug.BindGraphics(owned.release());
    parent = TestDesktop::CreateHostWindow(kParentWidth, kParentHeight);
    ASSERT_NE(parent, nullptr) << "no window: Windows tests need an X display under Wine";
    TestDesktop::HostKeys().clear();
  }

  void TearDown() override
  {
    if (graphics != nullptr)
      graphics->CloseEditorWindow();
    if (parent != nullptr)
      DestroyWindow(parent);
  }

  // Opens the window and lets the first frames draw.
  bool OpenEditor()
  {
    window = static_cast<HWND>(graphics->OpenEditorWindow(parent));
    if (window == nullptr)
      return false;
    Pump(100ms);
    return true;
  }

  bool Pump(std::chrono::milliseconds limit, const std::function<bool()>& done = {})
  {
    return TestDesktop::Pump(limit, done);
  }

  // One tick of the redraw timer, by hand.
  void Tick() { SendMessageA(window, WM_TIMER, IGraphicsWin::kRedrawTimerId, 0); }

  bool OpenInputEntry()
  {
    TestDesktop::Click(window, kInputTextX, kInputTextY);
    return graphics->EntryWindow() != nullptr;
  }

  std::string EntryText()
  {
    char text[64] = {};
    GetWindowTextA(graphics->EntryWindow(), text, sizeof text);
    return text;
  }

  double PlainValue(int paramIdx) { return plug.GetParam(paramIdx)->Value(); }

  RecordingPlug plug;
  IGraphicsWin* graphics = nullptr;
  TapeMeterControls meters;
  HWND parent = nullptr;
  HWND window = nullptr;
};
