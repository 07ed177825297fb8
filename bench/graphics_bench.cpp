#include "tests/graphics/TapeEditorFixture.h"

#include <benchmark/benchmark.h>

namespace
{
// The tape editor drawn once and settled.
struct HeadlessTapeEditor : TapeEditorFixture
{
  HeadlessTapeEditor()
  {
    ShowSettled();
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
