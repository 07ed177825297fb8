#pragma once

// Before the X headers, whose None and Bool macros it would not survive.
#include <gtest/gtest.h>

#include "TestDisplay.h"
#include "TestRunLoop.h"
#include "platform/linux/IGraphicsLinux.h"
#include "raster/ycairo_canvas.h"
#include "tape/TapeEditor.h"
#include "tests/graphics/RecordingPlug.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <thread>

using namespace std::chrono_literals;

// The recording plug-in, with a say in what its idle hook does.
class HookedPlug : public RecordingPlug
{
public:
  void EditorIdleHook() override
  {
    RecordingPlug::EditorIdleHook();
    if (onIdle)
      onIdle();
  }
  std::function<void()> onIdle;
};

// The tape editor on the Linux window layer, embedded in a window the test
// makes as a host would, with the test running the host's loop.
class LinuxEditorTest : public ::testing::Test
{
protected:
  static constexpr int kParentWidth = 1200;
  static constexpr int kParentHeight = 700;

  void SetUp() override
  {
    display = TestDisplay::Open();
    if (display == nullptr)
      GTEST_SKIP() << kNoDisplayMessage;
    auto owned = std::make_unique<IGraphicsLinux>(plug, 760, 450, 0);
    graphics = owned.get();
    plug.SetCanvas(std::make_unique<ycairo_canvas>());
    meters = BuildTapeEditor(*graphics, plug);
    plug.BindGraphics(owned.release());
    parent = display->CreateTopLevel(kParentWidth, kParentHeight);
  }

  // Opens the window on a fresh loop and lets the first frames draw.
  bool OpenEditor()
  {
    auto runLoop = std::make_unique<TestRunLoop>();
    loop = runLoop->State();
    graphics->UseRunLoop(std::move(runLoop));
    window = static_cast<Window>(reinterpret_cast<std::uintptr_t>(
      graphics->OpenEditorWindow(reinterpret_cast<void*>(static_cast<std::uintptr_t>(parent)))));
    if (window == 0)
      return false;
    Pump(150ms);
    return true;
  }

  bool Pump(std::chrono::milliseconds limit, const std::function<bool()>& done = {})
  {
    return loop->Pump(limit, done);
  }

  // One tick of the redraw timer, or one call of the watch, by hand.
  void Tick()
  {
    display->Sync();
    if (const std::function<void()> tick = loop->onTick)
      tick();
  }
  void TakeEvents()
  {
    display->Sync();
    if (const std::function<void()> watch = loop->onReadable)
      watch();
  }

  // Opens the value entry of the input knob by clicking its value; each
  // time a little further right, so that no two clicks make a double click.
  bool OpenInputEntry()
  {
    entryClicks = (entryClicks + 1) % 10;
    display->Click(window, 70 + 3 * entryClicks, 335);
    for (int tries = 0; tries < 100 && !graphics->EntryState(); ++tries)
    {
      TakeEvents();
      std::this_thread::sleep_for(5ms);
    }
    return graphics->EntryState().has_value();
  }

  // What the editor's drawing surface holds, as the screen shows it (0xRRGGBB).
  std::uint32_t SurfacePixel(int x, int y)
  {
    LICE_IBitmap& surface = *graphics->DrawingSurface();
    return surface.PixelData()[static_cast<std::ptrdiff_t>(y) * surface.RowStride() + x] & 0xFFFFFFu;
  }

  std::unique_ptr<TestDisplay> display;
  HookedPlug plug;
  IGraphicsLinux* graphics = nullptr;
  TapeMeterControls meters;
  std::shared_ptr<TestLoopState> loop;
  Window parent = 0;
  Window window = 0;
  int entryClicks = 0;
};
