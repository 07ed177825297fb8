#include "raster/ycairo_canvas.h"
#include "tape/TapeEditor.h"
#include "tests/graphics/RecordingPlug.h"
#include "tests/graphics/TestGraphics.h"

#include <benchmark/benchmark.h>

namespace
{
// The tape editor as the plug-in builds it, drawn once and settled, with a
// graphics core that presents nowhere.
struct HeadlessTapeEditor
{
  RecordingPlug plug;
  TestGraphics* graphics = nullptr;
  TapeMeterControls meters;

  HeadlessTapeEditor()
  {
    auto owned = std::make_unique<TestGraphics>(plug, 760, 450);
    graphics = owned.get();
    plug.SetCanvas(std::make_unique<ycairo_canvas>());
    meters = BuildTapeEditor(*graphics, plug);
    plug.BindGraphics(owned.release());
    graphics->DrawAll();
    for (IRectI region; graphics->CollectDirtyRegion(region); region = {})
      graphics->DrawRegion(region);
    graphics->presented.clear();
  }
};

void FullRedraw(benchmark::State& state)
{
  HeadlessTapeEditor editor;
  for (auto _ : state)
  {
    editor.graphics->DrawRegion({0, 0, 760, 450});
    editor.graphics->presented.clear();
  }
}
BENCHMARK(FullRedraw)->Unit(benchmark::kMillisecond);

// One timer tick while audio plays: four meter values pushed, the dirty
// region collected and drawn.
void MetersOnlyFrame(benchmark::State& state)
{
  HeadlessTapeEditor editor;
  const int meters[] = {editor.meters.leftVu, editor.meters.rightVu, editor.meters.leftLamp,
                        editor.meters.rightLamp};
  int frame = 0;
  for (auto _ : state)
  {
    frame = (frame + 1) % 100;
    for (const int meter : meters)
      editor.graphics->GetControl(meter)->TakePlugValue(frame / 99.0);
    IRectI region;
    if (editor.graphics->CollectDirtyRegion(region))
      editor.graphics->DrawRegion(region);
    editor.graphics->presented.clear();
  }
}
BENCHMARK(MetersOnlyFrame)->Unit(benchmark::kMillisecond);
} // namespace
