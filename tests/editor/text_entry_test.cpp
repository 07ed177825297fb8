#include "LinuxEditorFixture.h"

#include "tape/TapeParams.h"

#include <X11/keysym.h>

namespace
{
double InputLevelDb(RecordingPlug& plug) { return plug.GetParam(ParamInputLevel)->Value(); }

constexpr int kBackgroundX = 745;
constexpr int kBackgroundY = 440;
} // namespace

TEST_F(LinuxEditorTest, TheEntryAlternatesRedrawTicksWithQuietOnesWhileOpen)
{
  ASSERT_TRUE(OpenEditor());
  ASSERT_TRUE(OpenInputEntry());
  EXPECT_EQ(graphics->EntryState(), TextEntryState::Idle);
  EXPECT_EQ(graphics->EntryText(), "0.0");
  Tick();
  EXPECT_EQ(graphics->EntryState(), TextEntryState::JustOpened);
  Tick();
  EXPECT_EQ(graphics->EntryState(), TextEntryState::Idle);
  Tick();
  EXPECT_EQ(graphics->EntryState(), TextEntryState::JustOpened);
}

TEST_F(LinuxEditorTest, EnterClickElsewhereAndFocusLossCommitWheelAndEscapeCancel)
{
  ASSERT_TRUE(OpenEditor());
  struct Case
  {
    const char* name;
    std::function<void()> end;
    double level;
  };
  const Case cases[] = {
    {"Enter", [&] { display->Key(XK_Return); }, 5.0},
    {"a click elsewhere", [&] { display->Click(window, kBackgroundX, kBackgroundY); }, 5.0},
    {"focus to another window", [&] { XSetInputFocus(display->Get(), parent, RevertToParent, CurrentTime); }, 5.0},
    {"the wheel", [&] { display->Click(window, kBackgroundX, kBackgroundY, 4); }, 0.0},
    {"Escape", [&] { display->Key(XK_Escape); }, 0.0},
  };
  for (const Case& c : cases)
  {
    // Back to 0 dB, as a host would set it.
    plug.GetParam(ParamInputLevel)->SetFromNormalized(0.5);
    graphics->ApplyParamToControls(ParamInputLevel, 0.5, true);
    Pump(100ms);
    plug.events.clear();
    ASSERT_TRUE(OpenInputEntry()) << c.name;
    display->Type("5");
    TakeEvents();
    EXPECT_EQ(graphics->EntryText(), "5") << c.name;
    c.end();
    // Within one timer period the entry closes; nothing else is touched.
    Tick();
    Tick();
    EXPECT_FALSE(graphics->EntryState().has_value()) << c.name;
    EXPECT_DOUBLE_EQ(InputLevelDb(plug), c.level) << c.name;
    if (c.level != 0.0)
    {
      const std::vector<PlugEvent> expected{{PlugEvent::Begin, ParamInputLevel},
                                            {PlugEvent::Inform, ParamInputLevel, (5.0 + 18.0) / 36.0},
                                            {PlugEvent::End, ParamInputLevel}};
      ASSERT_GE(plug.events.size(), 3u) << c.name;
      EXPECT_EQ(std::vector<PlugEvent>(plug.events.end() - 3, plug.events.end()), expected) << c.name;
    }
    // A press that ends the entry reaches no control: the background kept its value.
    EXPECT_EQ(plug.GetParam(ParamBypass)->Value(), 0.0) << c.name;
    Pump(100ms);
  }
}

TEST_F(LinuxEditorTest, TheEntryKeepsToItsLengthAndItsCharacters)
{
  ASSERT_TRUE(OpenEditor());
  ASSERT_TRUE(OpenInputEntry());
  display->Type("-1a2.5x678");
  Tick();
  EXPECT_EQ(graphics->EntryText(), "-12.567");
  display->Key(XK_BackSpace);
  display->Key(XK_Return);
  Tick();
  Tick();
  EXPECT_DOUBLE_EQ(InputLevelDb(plug), -12.56);
}

TEST_F(LinuxEditorTest, AnEntryThatTookTheFocusBackPausesTheEditorAndAPressCancelsIt)
{
  ASSERT_TRUE(OpenEditor());
  ASSERT_TRUE(OpenInputEntry());
  Tick();
  display->Type("9");
  Tick();
  const std::vector<Window> children = display->Children(window);
  ASSERT_EQ(children.size(), 1u);
  const Window field = children[0];

  // Away and back before the next tick.
  XSetInputFocus(display->Get(), parent, RevertToParent, CurrentTime);
  XSetInputFocus(display->Get(), field, RevertToParent, CurrentTime);
  TakeEvents();
  EXPECT_EQ(graphics->EntryState(), TextEntryState::Focused);
  const int idleHooks = plug.idleHooks;
  for (int i = 0; i < 4; ++i)
    Tick();
  EXPECT_EQ(graphics->EntryState(), TextEntryState::Focused);
  EXPECT_EQ(plug.idleHooks, idleHooks) << "no redraw step runs";

  display->Click(window, kBackgroundX, kBackgroundY);
  TakeEvents();
  EXPECT_EQ(graphics->EntryState(), TextEntryState::Cancel);
  Tick();
  EXPECT_FALSE(graphics->EntryState().has_value());
  EXPECT_DOUBLE_EQ(InputLevelDb(plug), 0.0);
}

TEST_F(LinuxEditorTest, CancelTextEntryClosesAtTheNextTickAndANewEntryCanOpen)
{
  ASSERT_TRUE(OpenEditor());
  ASSERT_TRUE(OpenInputEntry());
  graphics->CancelTextEntry();
  EXPECT_EQ(graphics->EntryState(), TextEntryState::Cancel);
  Tick();
  EXPECT_FALSE(graphics->EntryState().has_value());
  Pump(100ms);
  EXPECT_TRUE(OpenInputEntry());
}
