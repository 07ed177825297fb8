#include "ProbeControl.h"
#include "RecordingPlug.h"
#include "TestGraphics.h"

#include <gtest/gtest.h>

#include <thread>

namespace
{
struct Editor
{
  RecordingPlug plug;
  TestGraphics graphics{plug, 100, 100};

  Editor() { graphics.CreateDrawingSurfaces(); }

  ProbeControl& Add(const IRectI& rect, int paramIdx = -1)
  {
    auto control = std::make_unique<ProbeControl>(plug, rect, paramIdx);
    ProbeControl& added = *control;
    graphics.AddControl(std::move(control));
    return added;
  }

  // One timer tick: the region to repaint, or none.
  bool Tick(IRectI& region)
  {
    region = {};
    return graphics.CollectDirtyRegion(region);
  }
};
} // namespace

TEST(DirtyRegion, UnionOfTheControlsThatNeedRedrawing)
{
  Editor editor;
  ProbeControl& a = editor.Add({10, 10, 20, 20});
  ProbeControl& b = editor.Add({50, 5, 60, 15});
  ProbeControl& zero = editor.Add({});
  IRectI region;

  // New controls are dirty; the all-zero rectangle adds nothing.
  ASSERT_TRUE(editor.Tick(region));
  EXPECT_EQ(region, (IRectI{10, 5, 60, 20}));
  editor.graphics.DrawRegion(region);
  EXPECT_EQ(a.renders, 1);
  EXPECT_EQ(b.renders, 1);
  EXPECT_EQ(zero.renders, 0);
  EXPECT_FALSE(editor.Tick(region));

  // Only the changed control, and hidden controls still take part.
  b.SetHidden(true);
  ASSERT_TRUE(editor.Tick(region));
  EXPECT_EQ(region, (IRectI{50, 5, 60, 15}));
  editor.graphics.DrawRegion(region);
  EXPECT_EQ(b.renders, 1) << "hidden controls are not drawn";
}

TEST(DirtyRegion, AChangeIsDrawnInTwoPasses)
{
  Editor editor;
  ProbeControl& control = editor.Add({10, 10, 20, 20});
  IRectI region;
  ASSERT_TRUE(editor.Tick(region));
  editor.graphics.DrawRegion(region);
  ASSERT_FALSE(editor.Tick(region));

  control.TakePlugValue(0.0);  // the first value, already shown: the default
  EXPECT_FALSE(editor.Tick(region));
  control.TakePlugValue(0.6);
  for (int pass = 0; pass < 2; ++pass)
  {
    ASSERT_TRUE(editor.Tick(region)) << pass;
    editor.graphics.DrawRegion(region);
  }
  EXPECT_FALSE(editor.Tick(region));
  EXPECT_EQ(control.renders, 3);

  control.TakePlugValue(0.6);
  EXPECT_FALSE(editor.Tick(region)) << "the value shown already asks for no redraw";
}

TEST(DirtyRegion, IdleHookOnEverySecondCleanTick)
{
  Editor editor;
  ProbeControl& control = editor.Add({10, 10, 20, 20});
  IRectI region;
  ASSERT_TRUE(editor.Tick(region));
  editor.graphics.DrawRegion(region);

  const int expectedHooks[] = {0, 1, 1, 2, 2};
  for (int tick = 0; tick < 5; ++tick)
  {
    EXPECT_FALSE(editor.Tick(region));
    EXPECT_EQ(editor.plug.idleHooks, expectedHooks[tick]) << "clean tick " << tick + 1;
    EXPECT_EQ(control.idleTicks, expectedHooks[tick]);
  }

  // One clean tick is pending; a dirty tick starts the count again.
  control.MarkDirty(false);
  EXPECT_TRUE(editor.Tick(region));
  editor.graphics.DrawRegion(region);
  EXPECT_TRUE(editor.Tick(region));
  editor.graphics.DrawRegion(region);
  EXPECT_FALSE(editor.Tick(region));
  EXPECT_EQ(editor.plug.idleHooks, 2);
  EXPECT_FALSE(editor.Tick(region));
  EXPECT_EQ(editor.plug.idleHooks, 3);
}

TEST(DirtyRegion, DrawingPassReachesControlsMeetingTheRegion)
{
  struct Case
  {
    IRectI region;
    bool drawn;
  };
  const Case cases[] = {
    {{0, 0, 10, 100}, true},     // right edge on the control's left edge
    {{20, 0, 30, 100}, false},   // left edge on the control's right edge
    {{0, 0, 100, 10}, true},     // bottom edge on the control's top edge
    {{0, 20, 100, 30}, false},   // top edge on the control's bottom edge
    {{12, 12, 14, 14}, true},
    {{}, false},
  };
  for (const Case& c : cases)
  {
    Editor editor;
    ProbeControl& control = editor.Add({10, 10, 20, 20});
    editor.graphics.DrawRegion(c.region);
    EXPECT_EQ(control.renders, c.drawn ? 1 : 0)
      << c.region.left << "," << c.region.top << "," << c.region.right << "," << c.region.bottom;
    ASSERT_EQ(editor.graphics.presented.size(), 1u);
    EXPECT_EQ(editor.graphics.presented[0], c.region);
    EXPECT_FALSE(control.NeedsRedraw()) << "drawn or not, the pass marks it clean";
  }
}

TEST(DirtyRegion, EmptyEditorPresentsNothing)
{
  RecordingPlug plug;
  TestGraphics graphics(plug, 100, 100);
  EXPECT_TRUE(graphics.DrawRegion({0, 0, 100, 100}));
  EXPECT_TRUE(graphics.presented.empty());
}

TEST(DirtyRegion, ValuesPushedFromAnotherThreadReachTheNextTick)
{
  Editor editor;
  ProbeControl& meter = editor.Add({10, 10, 20, 20});
  IRectI region;
  meter.TakePlugValue(0.0);
  ASSERT_TRUE(editor.Tick(region));
  editor.graphics.DrawRegion(region);
  ASSERT_FALSE(editor.Tick(region));

  std::thread audio([&meter] {
    for (int block = 1; block <= 1000; ++block)
      meter.TakePlugValue(block / 1000.0);
  });
  audio.join();
  ASSERT_TRUE(editor.Tick(region));
  EXPECT_EQ(region, (IRectI{10, 10, 20, 20}));
  EXPECT_DOUBLE_EQ(meter.Value(), 1.0);
}

TEST(DirtyRegion, FirstValueOfAnUnboundControlIsDrawn)
{
  // Meters and pictures are bound to no parameter: binding gives them no
  // value, so the first one the plug-in pushes arrives while they show.
  Editor editor;
  ProbeControl& meter = editor.Add({10, 10, 20, 20});
  IRectI region;
  ASSERT_TRUE(editor.Tick(region));
  editor.graphics.DrawRegion(region);
  ASSERT_FALSE(editor.Tick(region));

  meter.TakePlugValue(0.7);
  EXPECT_DOUBLE_EQ(meter.DefaultValue(), 0.7);
  ASSERT_TRUE(editor.Tick(region));
  EXPECT_EQ(region, (IRectI{10, 10, 20, 20}));
}
