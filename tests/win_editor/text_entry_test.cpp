#include "WinEditorFixture.h"

#include "graphics/IControl.h"
#include "tape/TapeParams.h"

#include <functional>
#include <string>

namespace
{
// Replaces the field's text as the user would: select all, then type.
void TypeOver(HWND field, const char* text)
{
  SendMessageA(field, EM_SETSEL, 0, -1);
  SendMessageA(field, WM_CHAR, VK_BACK, 1);
  TestDesktop::TypeCharacters(field, text);
}
} // namespace

TEST_F(WinEditorTest, TheEntryIsAnEditFieldHoldingTheValueAllSelectedWithItsLimit)
{
  ASSERT_TRUE(OpenEditor());
  ASSERT_TRUE(OpenInputEntry());
  const HWND field = graphics->EntryWindow();
  char className[16] = {};
  GetClassNameA(field, className, sizeof className);
  EXPECT_STRCASEEQ(className, "Edit");
  EXPECT_EQ(GetParent(field), window);
  EXPECT_EQ(GetDlgCtrlID(field), IGraphicsWin::kTextEntryControlId);
  EXPECT_EQ(EntryText(), "0.0");
  EXPECT_EQ(SendMessageA(field, EM_GETLIMITTEXT, 0, 0), IControl::kEntryLengthLimit);
  DWORD start = 0;
  DWORD end = 0;
  SendMessageA(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 3u);
  EXPECT_EQ(GetFocus(), field);
  EXPECT_EQ(graphics->EntryState(), TextEntryState::Idle);
}

TEST_F(WinEditorTest, TheEntryLetsThroughOnlyTheCharactersOfItsParametersKind)
{
  ASSERT_TRUE(OpenEditor());
  struct Case
  {
    int paramIdx;
    const char* typed;
    const char* kept;
  };
  const Case cases[] = {
    {ParamInputLevel, "12a", "12"},
    {ParamInputLevel, "-3.5", "-3.5"},
    {ParamInputLevel, "+1e2 x", "+12"},
    {ParamDeckType, "1.5", "15"},
    {ParamDeckType, "-2", "-2"},
    {ParamBypass, "+1.0", "+10"},
  };
  IControl& knob = *graphics->GetControl(1);
  for (const Case& c : cases)
  {
    const IRectI rect{30, 325, 90, 345};
    graphics->OpenTextEntry(knob, knob.TextStyle(), rect, "", plug.GetParam(c.paramIdx));
    ASSERT_NE(graphics->EntryWindow(), nullptr) << c.typed;
    TypeOver(graphics->EntryWindow(), c.typed);
    EXPECT_EQ(EntryText(), c.kept) << c.typed;
    graphics->CancelTextEntry();
    Tick();
    EXPECT_EQ(graphics->EntryWindow(), nullptr) << c.typed;
  }
}

TEST_F(WinEditorTest, AnEighthCharacterIsRefusedAndBackspaceStillWorks)
{
  ASSERT_TRUE(OpenEditor());
  // Wide enough for more than the limit: a centred field holds no more than
  // it can show.
  IControl& knob = *graphics->GetControl(1);
  graphics->OpenTextEntry(knob, knob.TextStyle(), {20, 325, 220, 345}, "0.0", plug.GetParam(ParamInputLevel));
  ASSERT_NE(graphics->EntryWindow(), nullptr);
  TypeOver(graphics->EntryWindow(), "-12.5678");
  EXPECT_EQ(EntryText(), "-12.567");
  SendMessageA(graphics->EntryWindow(), WM_CHAR, VK_BACK, 1);
  TestDesktop::TypeCharacters(graphics->EntryWindow(), "9");
  EXPECT_EQ(EntryText(), "-12.569");
}

TEST_F(WinEditorTest, RightAfterOpeningTheEditorRedrawsOnEveryOtherTick)
{
  ASSERT_TRUE(OpenEditor());
  ASSERT_TRUE(OpenInputEntry());
  EXPECT_EQ(graphics->EntryState(), TextEntryState::Idle);
  Tick();
  EXPECT_EQ(graphics->EntryState(), TextEntryState::JustOpened);
  Tick();
  EXPECT_EQ(graphics->EntryState(), TextEntryState::Idle);
  Tick();
  EXPECT_EQ(graphics->EntryState(), TextEntryState::JustOpened);
}

TEST_F(WinEditorTest, EnterClickElsewhereAndFocusLossCommitWheelEscapeAndCancellingDoNot)
{
  ASSERT_TRUE(OpenEditor());
  struct Case
  {
    const char* name;
    std::function<void()> end;
    bool commits;
  };
  const Case cases[] = {
    {"Enter", [&] { TestDesktop::Key(graphics->EntryWindow(), VK_RETURN); }, true},
    {"a click elsewhere", [&] { TestDesktop::Click(window, kBackgroundX, kBackgroundY); }, true},
    {"a double click elsewhere",
     [&] { SendMessageA(window, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(kBackgroundX, kBackgroundY)); }, true},
    {"focus to another window", [&] { SetFocus(parent); }, true},
    {"the wheel", [&] { SendMessageA(window, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0); }, false},
    {"Escape", [&] { TestDesktop::Key(graphics->EntryWindow(), VK_ESCAPE); }, false},
    {"the editor cancelling", [&] { graphics->CancelTextEntry(); }, false},
  };
  for (const Case& c : cases)
  {
    // 0 dB, for the plug-in and for its knob.
    plug.SetParamFromEditor(ParamInputLevel, 0.5);
    graphics->ApplyParamToControls(ParamInputLevel, 0.5, true);
    Pump(50ms);
    plug.events.clear();
    ASSERT_TRUE(OpenInputEntry()) << c.name;
    plug.events.clear();
    TypeOver(graphics->EntryWindow(), "5");
    ASSERT_EQ(EntryText(), "5") << c.name;
    c.end();
    EXPECT_EQ(graphics->EntryState(), c.commits ? TextEntryState::Commit : TextEntryState::Cancel) << c.name;
    // The next tick closes the entry; nothing else is touched.
    Tick();
    EXPECT_EQ(graphics->EntryWindow(), nullptr) << c.name;
    EXPECT_FALSE(graphics->EntryState().has_value()) << c.name;
    EXPECT_DOUBLE_EQ(PlainValue(ParamInputLevel), c.commits ? 5.0 : 0.0) << c.name;
    const std::vector<PlugEvent> committed{{PlugEvent::Begin, ParamInputLevel},
                                           {PlugEvent::Inform, ParamInputLevel, (5.0 + 18.0) / 36.0},
                                           {PlugEvent::End, ParamInputLevel}};
    EXPECT_EQ(plug.events, c.commits ? committed : std::vector<PlugEvent>{}) << c.name;
    // A press that ends the entry reaches no control: the background kept its value.
    EXPECT_EQ(PlainValue(ParamBypass), 0.0) << c.name;
    // Keys go on reaching the editor.
    EXPECT_TRUE(GetFocus() == window || GetFocus() == parent) << c.name;
  }
}

TEST_F(WinEditorTest, WhenTheFieldTakesTheFocusBackTheEditorWaitsAndAPressCancels)
{
  ASSERT_TRUE(OpenEditor());
  ASSERT_TRUE(OpenInputEntry());
  TypeOver(graphics->EntryWindow(), "7");
  SetFocus(parent);
  SetFocus(graphics->EntryWindow());
  EXPECT_EQ(graphics->EntryState(), TextEntryState::Focused);
  // The editor leaves its messages to the system, its timer included.
  Tick();
  EXPECT_EQ(graphics->EntryState(), TextEntryState::Focused);
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(kBackgroundX, kBackgroundY));
  EXPECT_EQ(graphics->EntryState(), TextEntryState::Cancel);
  Tick();
  EXPECT_EQ(graphics->EntryWindow(), nullptr);
  EXPECT_DOUBLE_EQ(PlainValue(ParamInputLevel), 0.0);
}

TEST_F(WinEditorTest, TheFieldIsPaintedInTheStylesEntryColours)
{
  ASSERT_TRUE(OpenEditor());
  IControl& knob = *graphics->GetControl(1);
  ITextStyle style = knob.TextStyle();
  style.entryBackground = {255, 10, 20, 30};
  style.entryText = {255, 200, 150, 100};
  graphics->OpenTextEntry(knob, style, {30, 325, 90, 345}, "1.0", plug.GetParam(ParamInputLevel));
  const HWND field = graphics->EntryWindow();
  ASSERT_NE(field, nullptr);
  const HDC context = GetDC(field);
  const LRESULT brush = SendMessageA(window, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(context),
                                     reinterpret_cast<LPARAM>(field));
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(brush), GetStockObject(DC_BRUSH));
  EXPECT_EQ(GetBkColor(context), RGB(10, 20, 30));
  EXPECT_EQ(GetDCBrushColor(context), RGB(10, 20, 30));
  EXPECT_EQ(GetTextColor(context), RGB(200, 150, 100));
  EXPECT_EQ(GetBkMode(context), OPAQUE);
  ReleaseDC(field, context);
}

TEST_F(WinEditorTest, ClosingTheWindowDropsAnOpenEntryUnapplied)
{
  ASSERT_TRUE(OpenEditor());
  ASSERT_TRUE(OpenInputEntry());
  const HWND field = graphics->EntryWindow();
  TypeOver(field, "9");
  TestDesktop::Key(field, VK_RETURN);
  graphics->CloseEditorWindow();
  EXPECT_FALSE(IsWindow(field));
  EXPECT_FALSE(graphics->EntryState().has_value());
  EXPECT_DOUBLE_EQ(PlainValue(ParamInputLevel), 0.0);
  // The next window opens without an entry.
  ASSERT_TRUE(OpenEditor());
  EXPECT_EQ(graphics->EntryWindow(), nullptr);
}
