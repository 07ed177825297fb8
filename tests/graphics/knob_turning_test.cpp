#include "EditorFixture.h"
#include "ProbeControl.h"
#include "graphics/IKnobMultiControlText.h"

#include <gtest/gtest.h>

namespace
{
constexpr IMouseState kLeft{true, false, false, false, false};
constexpr IMouseState kLeftCtrl{true, false, false, true, false};
constexpr IMouseState kShift{false, false, true, false, false};

// The tape knob: 73 frames of 120 x 120, value text below.
const IFrameBitmap kKnobStrip{nullptr, 120, 8760, 73, false};

IKnobMultiControlText& AddTapeKnob(EditorFixture& editor)
{
  const ITextStyle style("Arial", 15, IColorRGBA{255, 64, 64, 64});
  return editor.Add<IKnobMultiControlText>(24, 212, ParamInputLevel, kKnobStrip, style, true, KnobTextBelow, -10);
}

// Drags in steps of `step` pixels from (x, y).
void Drag(TestGraphics& graphics, int x, int y, int dx, int dy, int steps, const IMouseState& state)
{
  for (int i = 1; i <= steps; ++i)
    graphics.PointerDrag(x + dx * i, y + dy * i, state);
}
} // namespace

TEST(KnobTurning, TapeKnobNeeds532PixelsForItsWholeRange)
{
  EditorFixture editor(760, 1000);
  IKnobMultiControlText& knob = AddTapeKnob(editor);
  ASSERT_EQ(knob.TargetRect(), (IRectI{24, 212, 144, 345}));
  editor.Bind();
  knob.TakePlugValue(0.0);

  editor.graphics->PointerDown(84, 260, kLeft);
  Drag(*editor.graphics, 84, 260, 0, -4, 133, kLeft);  // 532 pixels up
  EXPECT_NEAR(knob.Value(), 1.0, 1e-12);
  EXPECT_NEAR(editor.plug.GetParam(ParamInputLevel)->Value(), 18.0, 1e-9);

  // Further up stays at the top; 133 pixels down lowers it by a quarter.
  editor.graphics->PointerDrag(84, -400, kLeft);
  EXPECT_DOUBLE_EQ(knob.Value(), 1.0);
  editor.graphics->PointerDrag(84, -267, kLeft);
  EXPECT_NEAR(knob.Value(), 0.75, 1e-12);

  // Fine adjustment: the same 133 pixels move it by a fortieth.
  editor.graphics->PointerDrag(84, -134, kLeftCtrl);
  EXPECT_NEAR(knob.Value(), 0.725, 1e-12);
  editor.graphics->PointerUp(84, -134, kLeft);
}

TEST(KnobTurning, HorizontalKnobFollowsTheWidth)
{
  EditorFixture editor;
  auto& knob = editor.Add<PlainKnob>(IRectI{0, 0, 200, 50}, ParamOutputLevel, KnobHorizontal);
  editor.Bind();
  editor.graphics->PointerDown(100, 10, kLeft);
  editor.graphics->PointerDrag(180, -90, kLeft);  // vertical movement is ignored
  // 80 / 200 / 4 = 0.1 above the default 0.5.
  EXPECT_NEAR(knob.Value(), 0.6, 1e-12);
}

TEST(KnobTurning, WheelStepsAndFineSteps)
{
  EditorFixture editor;
  auto& knob = editor.Add<PlainKnob>(IRectI{0, 0, 100, 100}, ParamInputLevel);
  editor.Bind();
  editor.graphics->PointerWheel(50, 50, kShift, 360);
  EXPECT_NEAR(knob.Value(), 0.503, 1e-12);
  editor.graphics->PointerWheel(50, 50, {}, -240);
  EXPECT_NEAR(knob.Value(), 0.483, 1e-12);
  editor.graphics->PointerWheel(50, 50, {}, -120 * 100);
  EXPECT_DOUBLE_EQ(knob.Value(), 0.0);
  EXPECT_NEAR(editor.plug.GetParam(ParamInputLevel)->Value(), -18.0, 1e-12);
}

TEST(KnobTurning, PressOnTheKnobPushesTheUnchangedValueInsideTheGesture)
{
  EditorFixture editor(760, 450);
  AddTapeKnob(editor);
  editor.Bind();
  editor.graphics->PointerDown(84, 250, kLeft);
  editor.graphics->PointerUp(84, 250, kLeft);
  ASSERT_EQ(editor.plug.events.size(), 3u);
  EXPECT_EQ(editor.plug.events[0], (PlugEvent{PlugEvent::Begin, ParamInputLevel}));
  EXPECT_EQ(editor.plug.events[1].kind, PlugEvent::Inform);
  EXPECT_NEAR(editor.plug.events[1].value, 0.5, 1e-12);
  EXPECT_EQ(editor.plug.events[2], (PlugEvent{PlugEvent::End, ParamInputLevel}));
  EXPECT_TRUE(editor.graphics->textEntries.empty());
}

TEST(KnobTurning, PressOnTheValueTextOpensAnEntry)
{
  EditorFixture editor(760, 450);
  IKnobMultiControlText& knob = AddTapeKnob(editor);
  editor.Bind();
  editor.graphics->PointerDown(84, 340, kLeft);
  ASSERT_EQ(editor.graphics->textEntries.size(), 1u);
  const TestGraphics::TextEntry& entry = editor.graphics->textEntries[0];
  EXPECT_EQ(entry.control, &knob);
  EXPECT_EQ(entry.text, "0.0");
  EXPECT_EQ(entry.param, editor.plug.GetParam(ParamInputLevel));
  // Same centre as the text rectangle (24, 326, 144, 345): (84, 335.5)
  // truncated, half sizes 60 and 9.
  EXPECT_EQ(entry.rect, (IRectI{24, 326, 144, 344}));
  EXPECT_EQ(entry.style.size, 15);
}

TEST(KnobTurning, TextPlacements)
{
  struct Case
  {
    int placement;
    IRectI text;
    IRectI target;
  };
  // Knob at (100, 100), 120 x 120; size 15 gives a 19-pixel text; offset -10.
  // Inside: v = 100 + 60 - 9 - 10 + 2 = 143.
  const Case cases[] = {
    {KnobTextBelow, {100, 214, 220, 233}, {100, 100, 220, 233}},
    {KnobTextAbove, {100, 77, 220, 100}, {100, 77, 220, 220}},
    {KnobTextInside, {100, 143, 220, 162}, {100, 100, 220, 220}},
    {KnobTextLeft, {-20, 143, 100, 162}, {-20, 100, 220, 220}},
    {KnobTextRight, {220, 143, 340, 162}, {100, 100, 340, 220}},
    {KnobTextBottomRight, {160, 201, 220, 220}, {100, 100, 220, 220}},
    {6, {}, {100, 100, 220, 220}},
  };
  for (const Case& c : cases)
  {
    EditorFixture editor;
    const ITextStyle style("Arial", 15, kColorBlack);
    auto& knob = editor.Add<IKnobMultiControlText>(100, 100, ParamInputLevel, kKnobStrip, style, false, c.placement, -10);
    EXPECT_EQ(knob.TextRect(), c.text) << c.placement;
    EXPECT_EQ(knob.TargetRect(), c.target) << c.placement;
    EXPECT_EQ(knob.KnobRect(), (IRectI{100, 100, 220, 220})) << c.placement;
    // The value text is repainted with the knob: it lies in the draw rectangle.
    EXPECT_EQ(knob.DrawRect(), c.target) << c.placement;
  }
}

TEST(KnobTurning, MovingAKnobMovesItsText)
{
  EditorFixture editor;
  const ITextStyle style("Arial", 15, kColorBlack);
  auto& knob = editor.Add<IKnobMultiControlText>(100, 100, ParamInputLevel, kKnobStrip, style, false, KnobTextBelow, -10);
  knob.MoveTo(10, 20);
  EXPECT_EQ(knob.DrawRect(), (IRectI{10, 20, 130, 153}));
  EXPECT_EQ(knob.KnobRect(), (IRectI{10, 20, 130, 140}));
  EXPECT_EQ(knob.TextRect(), (IRectI{10, 134, 130, 153}));
}
