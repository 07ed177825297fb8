#include "EditorFixture.h"
#include "ProbeControl.h"
#include "RecordingPlug.h"
#include "TestGraphics.h"
#include "graphics/KeyNumber.h"

#include <gtest/gtest.h>

namespace
{
constexpr IMouseState kLeft{true, false, false, false, false};
constexpr IMouseState kRight{false, true, false, false, false};
constexpr IMouseState kNoButton{};

using Editor = EditorFixture;

std::vector<PlugEvent::Kind> Kinds(const std::vector<PlugEvent>& events)
{
  std::vector<PlugEvent::Kind> kinds;
  for (const PlugEvent& event : events)
    kinds.push_back(event.kind);
  return kinds;
}
} // namespace

TEST(PointerDispatch, GestureBeginsAtPressAndEndsAtRelease)
{
  Editor editor;
  auto& knob = editor.Add<PlainKnob>(IRectI{10, 10, 110, 110}, ParamInputLevel);
  editor.Bind();
  ASSERT_DOUBLE_EQ(knob.Value(), 0.5);

  editor.graphics->PointerDown(50, 50, kLeft);
  EXPECT_EQ(editor.graphics->CaptureIndex(), 0);
  // Up by 20 of the 100 pixels of the target, at gearing 4: + 0.05.
  editor.graphics->PointerDrag(60, 30, kLeft);
  editor.graphics->PointerDrag(60, 30, kLeft);  // no movement, no step
  editor.graphics->PointerDrag(900, 50, kLeft); // outside the control: the capture holds
  editor.graphics->PointerUp(900, 50, kLeft);

  using K = PlugEvent::Kind;
  ASSERT_EQ(Kinds(editor.plug.events), (std::vector<K>{K::Begin, K::Inform, K::Inform, K::End}));
  for (const PlugEvent& event : editor.plug.events)
    EXPECT_EQ(event.paramIdx, ParamInputLevel);
  EXPECT_NEAR(editor.plug.events[1].value, 0.55, 1e-9);
  EXPECT_NEAR(editor.plug.events[2].value, 0.5, 1e-9);
  EXPECT_NEAR(editor.plug.GetParam(ParamInputLevel)->Value(), 0.0, 1e-9);
  EXPECT_EQ(editor.graphics->CaptureIndex(), -1);
}

TEST(PointerDispatch, DragSendsMovementSinceTheLastPosition)
{
  Editor editor;
  auto& probe = editor.Add<ProbeControl>(IRectI{10, 10, 50, 50});
  editor.graphics->PointerDrag(20, 20, kLeft);  // nothing captured yet
  editor.graphics->PointerDown(20, 20, kLeft);
  editor.graphics->PointerDrag(23, 18, kLeft);
  editor.graphics->PointerDrag(23, 18, kLeft);
  editor.graphics->PointerDrag(100, 5, kLeft);
  editor.graphics->PointerUp(100, 5, kLeft);
  editor.graphics->PointerDrag(110, 5, kLeft);  // released
  EXPECT_EQ(probe.log, (std::vector<std::string>{"press 20,20", "drag 23,18 3 -2", "drag 100,5 77 -13",
                                                  "release 100,5"}));
  EXPECT_TRUE(editor.plug.events.empty()) << "a control without parameter informs nobody";
}

TEST(PointerDispatch, RightPressOpensTheHostMenuAndReleaseStillEndsAGesture)
{
  Editor editor;
  auto& probe = editor.Add<ProbeControl>(IRectI{10, 10, 50, 50}, ParamBiasLevel);
  editor.Bind();

  editor.graphics->PointerDown(20, 30, kRight);
  EXPECT_TRUE(probe.log.empty()) << "the control does not see the press";
  EXPECT_EQ(editor.graphics->CaptureIndex(), -1);
  editor.graphics->PointerUp(21, 31, kRight);

  EXPECT_EQ(probe.log, (std::vector<std::string>{"release 21,31"}));
  EXPECT_EQ(editor.plug.events, (std::vector<PlugEvent>{{PlugEvent::HostMenu, ParamBiasLevel, 0.0, 20, 30},
                                                         {PlugEvent::End, ParamBiasLevel}}));
}

TEST(PointerDispatch, HitTestingFromTheTopSkipsHiddenAndDisabled)
{
  Editor editor;
  auto& bottom = editor.Add<ProbeControl>(IRectI{0, 0, 100, 100});
  auto& middle = editor.Add<ProbeControl>(IRectI{10, 10, 60, 60});
  auto& top = editor.Add<ProbeControl>(IRectI{20, 20, 40, 40});
  auto& zero = editor.Add<ProbeControl>(IRectI{});

  editor.graphics->PointerDown(30, 30, kLeft);
  editor.graphics->PointerUp(30, 30, kLeft);
  top.SetHidden(true);
  editor.graphics->PointerDown(31, 31, kLeft);
  editor.graphics->PointerUp(31, 31, kLeft);
  middle.SetDisabled(true);
  editor.graphics->PointerDown(32, 32, kLeft);
  editor.graphics->PointerUp(32, 32, kLeft);
  editor.graphics->PointerDown(0, 0, kLeft);
  editor.graphics->PointerUp(0, 0, kLeft);

  EXPECT_EQ(top.log, (std::vector<std::string>{"press 30,30", "release 30,30"}));
  EXPECT_EQ(middle.log, (std::vector<std::string>{"press 31,31", "release 31,31"}));
  EXPECT_EQ(bottom.log, (std::vector<std::string>{"press 32,32", "release 32,32", "press 0,0", "release 0,0"}));
  EXPECT_TRUE(zero.log.empty());
}

TEST(PointerDispatch, ReleaseWithoutCaptureGoesToTheControlUnderThePointer)
{
  Editor editor;
  auto& probe = editor.Add<ProbeControl>(IRectI{10, 10, 50, 50}, ParamHiss);
  editor.Bind();
  editor.graphics->PointerDown(200, 200, kLeft);  // hits nothing
  editor.graphics->PointerUp(20, 20, kLeft);
  EXPECT_EQ(probe.log, (std::vector<std::string>{"release 20,20"}));
  EXPECT_EQ(editor.plug.events, (std::vector<PlugEvent>{{PlugEvent::End, ParamHiss}}));

  editor.plug.events.clear();
  editor.graphics->PointerUp(300, 200, kLeft);
  EXPECT_TRUE(editor.plug.events.empty());
}

TEST(PointerDispatch, DoubleClickRestoresTheDefaultWithoutAGesture)
{
  Editor editor;
  auto& probe = editor.Add<ProbeControl>(IRectI{10, 10, 50, 50}, ParamOutputLevel);
  auto& unbound = editor.Add<ProbeControl>(IRectI{60, 10, 100, 50});
  editor.Bind();
  probe.TakePlugValue(0.9);
  unbound.TakePlugValue(0.0);  // first value: becomes the default
  unbound.TakePlugValue(0.4);

  editor.graphics->PointerDoubleClick(20, 20, kLeft);
  EXPECT_EQ(probe.log, (std::vector<std::string>{"double 20,20"}));
  EXPECT_DOUBLE_EQ(probe.Value(), 0.5);
  ASSERT_EQ(editor.plug.events.size(), 1u);
  EXPECT_EQ(editor.plug.events[0].kind, PlugEvent::Inform);
  EXPECT_NEAR(editor.plug.events[0].value, 0.5, 1e-12);

  editor.graphics->PointerDoubleClick(70, 20, kLeft);
  EXPECT_DOUBLE_EQ(unbound.Value(), 0.0);
}

TEST(PointerDispatch, DoubleClickWithUnknownDefaultDoesNothing)
{
  Editor editor;
  auto& probe = editor.Add<ProbeControl>(IRectI{10, 10, 50, 50}, ParamInputLevel);
  editor.graphics->PointerDoubleClick(20, 20, kLeft);  // not bound yet: no value taken
  EXPECT_EQ(probe.log, (std::vector<std::string>{"double 20,20"}));
  EXPECT_DOUBLE_EQ(probe.Value(), 0.0);
  EXPECT_TRUE(editor.plug.events.empty());
}

TEST(PointerDispatch, WheelNotchesRoundTowardZero)
{
  struct Case
  {
    int delta;
    const char* logged;
  };
  const Case cases[] = {{360, "wheel 20,20 3"}, {60, "wheel 20,20 0"}, {-240, "wheel 20,20 -2"},
                        {-119, "wheel 20,20 0"}};
  for (const Case& c : cases)
  {
    Editor editor;
    auto& probe = editor.Add<ProbeControl>(IRectI{10, 10, 50, 50}, ParamInputLevel);
    editor.Bind();
    editor.graphics->PointerWheel(20, 20, kNoButton, c.delta);
    EXPECT_EQ(probe.log, (std::vector<std::string>{c.logged}));
    EXPECT_TRUE(editor.plug.events.empty()) << "no gesture around the wheel";
  }
}

TEST(PointerDispatch, WheelGoesToTheCapturedControl)
{
  Editor editor;
  auto& first = editor.Add<ProbeControl>(IRectI{10, 10, 50, 50});
  auto& second = editor.Add<ProbeControl>(IRectI{60, 10, 100, 50});
  editor.graphics->PointerDown(20, 20, kLeft);
  editor.graphics->PointerWheel(70, 20, kNoButton, 120);
  EXPECT_EQ(first.log, (std::vector<std::string>{"press 20,20", "wheel 70,20 1"}));
  EXPECT_TRUE(second.log.empty());
}

TEST(PointerDispatch, WindowPixelsAreDividedByTheDisplayScale)
{
  Editor editor;
  editor.graphics->displayScale = 1.5;
  auto& probe = editor.Add<ProbeControl>(IRectI{195, 95, 205, 105});
  editor.graphics->PointerDown(300, 150, kLeft);
  editor.graphics->PointerDrag(301, 151, kLeft);  // 200.67, 100.67: the same editor pixel
  editor.graphics->PointerDrag(303, 153, kLeft);
  editor.graphics->PointerUp(303, 153, kLeft);
  editor.graphics->PointerDoubleClick(299, 149, kLeft);
  editor.graphics->PointerWheel(300, 150, kNoButton, 120);
  EXPECT_EQ(probe.log, (std::vector<std::string>{"press 200,100", "drag 202,102 2 2", "release 202,102",
                                                  "double 199,99", "wheel 200,100 1"}));
}

TEST(PointerDispatch, KeysGoToTheControlUnderThePointerButNeverTheBackground)
{
  Editor editor;
  auto& background = editor.Add<ProbeControl>(IRectI{0, 0, 400, 300});
  auto& taker = editor.Add<ProbeControl>(IRectI{10, 10, 50, 50});
  auto& refuser = editor.Add<ProbeControl>(IRectI{60, 10, 100, 50});
  background.takesKeys = true;
  taker.takesKeys = true;

  EXPECT_TRUE(editor.graphics->KeyDown(20, 20, KeyUp));
  EXPECT_FALSE(editor.graphics->KeyDown(70, 20, KeyLetterA + 2));
  EXPECT_FALSE(editor.graphics->KeyDown(200, 200, KeySpace));
  EXPECT_TRUE(background.log.empty());
  EXPECT_EQ(taker.log, (std::vector<std::string>{"key 20,20 1"}));
  EXPECT_EQ(refuser.log, (std::vector<std::string>{"key 70,20 17"}));

  editor.graphics->PointerDown(20, 20, kLeft);
  EXPECT_TRUE(editor.graphics->KeyDown(70, 20, KeyDigit0));
  EXPECT_EQ(taker.log.back(), "key 70,20 5");
}

TEST(PointerDispatch, HoverDoesNothing)
{
  Editor editor;
  auto& probe = editor.Add<ProbeControl>(IRectI{10, 10, 50, 50});
  EXPECT_FALSE(editor.graphics->PointerHover(20, 20, kNoButton));
  EXPECT_TRUE(probe.log.empty());
}
