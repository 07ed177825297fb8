#include "EditorFixture.h"
#include "ProbeControl.h"
#include "graphics/TextEntryCommit.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
class TextTaker : public ProbeControl
{
public:
  using ProbeControl::ProbeControl;
  void TakeEnteredText(const char* text) override { entered.push_back(text); }
  std::vector<std::string> entered;
};
} // namespace

TEST(TextEntryCommit, EnteredTextBecomesANormalisedValue)
{
  struct Case
  {
    int paramIdx;
    const char* text;
    double normalized;
  };
  const Case cases[] = {
    // Hiss level, -100..-60 dB.
    {ParamHissLevel, "-80", 0.5},
    {ParamHissLevel, "-76", 0.6},
    {ParamHissLevel, "abc", 1.0},  // no number: 0, clamped to -60
    {ParamHissLevel, "-120", 0.0},
    {ParamHissLevel, "  -70x", 0.75},
    {ParamHissLevel, "+-5", 1.0},
    // Input level, -18..18 dB.
    {ParamInputLevel, "-3.5", 14.5 / 36.0},
    {ParamInputLevel, "+9", 27.0 / 36.0},
    {ParamInputLevel, "", 0.5},
    // Switches and choices match their texts exactly, else take 0.
    {ParamHiss, "on", 1.0},
    {ParamHiss, "Off", 0.0},
    {ParamHiss, "1", 0.0},
    {ParamDeckType, "Swiss 30 IPS", 5.0 / 7.0},
    {ParamDeckType, "swiss 30 ips", 0.0},
  };
  for (const Case& c : cases)
  {
    EditorFixture editor;
    auto& control = editor.Add<ProbeControl>(IRectI{0, 0, 10, 10}, c.paramIdx);
    editor.Bind();
    control.TakePlugValue(0.25);
    CommitTextEntry(control, editor.plug.GetParam(c.paramIdx), c.text);
    EXPECT_NEAR(control.Value(), c.normalized, 1e-12) << c.paramIdx << " '" << c.text << "'";
    EXPECT_NEAR(editor.plug.GetParam(c.paramIdx)->Normalized(), c.normalized, 1e-12) << c.text;
  }
}

TEST(TextEntryCommit, ControlWithoutParameterTakesTheText)
{
  EditorFixture editor;
  auto& control = editor.Add<TextTaker>(IRectI{0, 0, 10, 10});
  CommitTextEntry(control, nullptr, "hello");
  EXPECT_EQ(control.entered, (std::vector<std::string>{"hello"}));
  EXPECT_TRUE(editor.plug.events.empty());
}
