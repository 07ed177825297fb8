#include "tests/graphics/TapeEditorFixture.h"

#include <benchmark/benchmark.h>

namespace
{
// The tape editor at a display scale (the benchmark's argument, in
// hundredths), drawn once and settled.
struct HeadlessTapeEditor : TapeEditorFixture
{
  explicit HeadlessTapeEditor(const benchmark::State& state)
  {
    graphics->SetHostScaleFactor(static_cast<double>(state.range(0)) / 100.0);
    ShowSettled();
    graphics->presented.clear();
  }
};

void AtScales(benchmark::internal::Benchmark* benchmark) { benchmark->Arg(100)->Arg(150)->Arg(200); }

void FullRedraw(benchmark::State& state)
{
  HeadlessTapeEditor editor(state);
  for (auto _ : state)
  {
    editor.graphics->DrawRegion({0, 0, 760, 450});
    editor.graphics->presented.clear();
  }
}
BENCHMARK(FullRedraw)->Apply(AtScales)->Unit(benchmark::kMillisecond);

// One timer tick while audio plays: four meter values pushed, the dirty
// region collected and drawn.
void ShowMeters(HeadlessTapeEditor& editor, int frame)
{
  for (const int meter : {editor.meters.leftVu, editor.meters.rightVu, editor.meters.leftLamp, editor.meters.rightLamp})
    editor.graphics->GetControl(meter)->TakePlugValue(frame / 99.0);
  IRectI region;
  if (editor.graphics->CollectDirtyRegion(region))
    editor.graphics->DrawRegion(region);
  editor.graphics->presented.clear();
}

// Every frame is shown once before the timing, so that the frames a
// fractional scale resamples are made already, as in a window that has
// shown the meters for a few seconds.
void MetersOnlyFrame(benchmark::State& state)
{
  HeadlessTapeEditor editor(state);
  for (int frame = 0; frame < 100; ++frame)
    ShowMeters(editor, frame);
  int frame = 0;
  for (auto _ : state)
  {
    frame = (frame + 1) % 100;
    ShowMeters(editor, frame);
  }
}
BENCHMARK(MetersOnlyFrame)->Apply(AtScales)->Unit(benchmark::kMicrosecond);

// A timer tick with nothing to draw: the dirty collection alone.
void IdleTick(benchmark::State& state)
{
  HeadlessTapeEditor editor(state);
  for (auto _ : state)
  {
    IRectI region;
    benchmark::DoNotOptimize(editor.graphics->CollectDirtyRegion(region));
  }
}
BENCHMARK(IdleTick)->Arg(100)->Unit(benchmark::kMicrosecond);
} // namespace
