#include "EditorFixture.h"
#include "ProbeControl.h"

#include <gtest/gtest.h>

namespace
{
// A control that may prompt, as knobs and selectors do.
class PromptingControl : public ProbeControl
{
public:
  PromptingControl(IPlugBase& plug, const IRectI& rect, int paramIdx) : ProbeControl(plug, rect, paramIdx)
  {
    mPromptDisabled = false;
  }
};

std::vector<std::string> Texts(const PopupMenuRecord& menu)
{
  std::vector<std::string> texts;
  for (const PopupItemRecord& item : menu.items)
    texts.push_back(item.text);
  return texts;
}

std::vector<int> Flags(const PopupMenuRecord& menu)
{
  std::vector<int> flags;
  for (const PopupItemRecord& item : menu.items)
    flags.push_back(item.flags);
  return flags;
}
} // namespace

TEST(Prompt, SwitchParameterGetsATwoItemMenuWithTheCurrentStateChecked)
{
  EditorFixture editor;
  auto& control = editor.Add<PromptingControl>(IRectI{10, 20, 60, 40}, ParamHiss);
  editor.Bind();
  control.PromptForValue();
  ASSERT_EQ(editor.graphics->menus.size(), 1u);
  const TestGraphics::ShownMenu& shown = editor.graphics->menus[0];
  EXPECT_EQ(Texts(shown.menu), (std::vector<std::string>{"off", "on"}));
  EXPECT_EQ(Flags(shown.menu), (std::vector<int>{0, PopupItemChecked}));
  // Parameters with texts prompt over the draw rectangle itself.
  EXPECT_EQ(shown.rect, (IRectI{10, 20, 60, 40}));
  EXPECT_DOUBLE_EQ(control.Value(), 1.0) << "dismissed: unchanged";
  EXPECT_TRUE(editor.plug.events.empty());
}

TEST(Prompt, ChosenItemIsTakenAsAPlainValue)
{
  EditorFixture editor;
  auto& deck = editor.Add<PromptingControl>(IRectI{0, 0, 100, 20}, ParamDeckType);
  auto& twin = editor.Add<ProbeControl>(IRectI{0, 50, 100, 70}, ParamDeckType);
  editor.Bind();
  editor.graphics->menuChoices = {3};
  deck.PromptForValue();
  EXPECT_DOUBLE_EQ(deck.Value(), 3.0 / 7.0);
  EXPECT_DOUBLE_EQ(twin.Value(), 3.0 / 7.0);
  EXPECT_DOUBLE_EQ(editor.plug.GetParam(ParamDeckType)->Value(), 3.0);
  ASSERT_EQ(editor.plug.events.size(), 1u);
  EXPECT_EQ(editor.plug.events[0].kind, PlugEvent::Inform);
  EXPECT_DOUBLE_EQ(editor.plug.events[0].value, 3.0 / 7.0);
}

TEST(Prompt, MenuHasOneItemPerDisplayTextCountedFromZero)
{
  // Texts for the values 0, 1 and 3: three items, the third empty.
  struct Case
  {
    double value;
    std::vector<int> flags;
  };
  const Case cases[] = {{0.0, {PopupItemChecked, 0, 0}}, {3.0, {0, 0, 0}}};
  for (const Case& c : cases)
  {
    EditorFixture editor;
    IPlugParam& param = *editor.plug.GetParam(ParamGroup);
    param = IPlugParam();
    param.DefineEnum("Sparse", 0, 4);
    param.AddDisplayText(0, "zero");
    param.AddDisplayText(1, "one");
    param.AddDisplayText(3, "three");
    param.SetClamped(c.value);
    auto& control = editor.Add<PromptingControl>(IRectI{0, 0, 100, 20}, ParamGroup);
    editor.Bind();
    control.PromptForValue();
    ASSERT_EQ(editor.graphics->menus.size(), 1u);
    EXPECT_EQ(Texts(editor.graphics->menus[0].menu), (std::vector<std::string>{"zero", "one", ""}));
    EXPECT_EQ(Flags(editor.graphics->menus[0].menu), c.flags) << c.value;
  }
}

TEST(Prompt, ContinuousParametersGetATextEntryAtTheirPrecision)
{
  struct Case
  {
    int paramIdx;
    double plain;
    const char* text;
  };
  const Case cases[] = {
    {ParamInputLevel, -6.25, "-6.2"},  // "%.1f" of -6.25
    {ParamOutputLevel, 17.96, "18.0"},
    {ParamHissLevel, -76.0, "-76"},
    {ParamHissLevel, -60.0, "-60"},
  };
  for (const Case& c : cases)
  {
    EditorFixture editor;
    editor.plug.GetParam(c.paramIdx)->SetClamped(c.plain);
    auto& control = editor.Add<PromptingControl>(IRectI{11, 20, 60, 41}, c.paramIdx);
    control.TextStyle().size = 21;
    editor.Bind();
    control.PromptForValue();
    ASSERT_EQ(editor.graphics->textEntries.size(), 1u);
    const TestGraphics::TextEntry& entry = editor.graphics->textEntries[0];
    EXPECT_EQ(entry.text, c.text);
    EXPECT_EQ(entry.param, editor.plug.GetParam(c.paramIdx));
    EXPECT_EQ(entry.style.size, 21);
    // Centre (35.5, 30.5) and half sizes (24.5, 10.5), each truncated.
    EXPECT_EQ(entry.rect, (IRectI{11, 20, 59, 40}));
    EXPECT_TRUE(editor.graphics->menus.empty());
  }
}

TEST(Prompt, ControlsThatMayNotPromptStaySilent)
{
  EditorFixture editor;
  auto& disabled = editor.Add<ProbeControl>(IRectI{0, 0, 10, 10}, ParamHiss);
  auto& unbound = editor.Add<PromptingControl>(IRectI{0, 0, 10, 10}, -1);
  auto& unknown = editor.Add<PromptingControl>(IRectI{0, 0, 10, 10}, 42);
  editor.Bind();
  // A right press reaches PromptForValue through the base class.
  for (IControl* control : {static_cast<IControl*>(&disabled), static_cast<IControl*>(&unbound),
                            static_cast<IControl*>(&unknown)})
    control->PressAt(5, 5, {false, true, false, false, false});
  editor.graphics->PromptParamInput(nullptr, editor.plug.GetParam(ParamHiss), &disabled.DrawRect());
  editor.graphics->PromptParamInput(&disabled, nullptr, &disabled.DrawRect());
  editor.graphics->PromptParamInput(&disabled, editor.plug.GetParam(ParamHiss), nullptr);
  EXPECT_TRUE(editor.graphics->menus.empty());
  EXPECT_TRUE(editor.graphics->textEntries.empty());
}
