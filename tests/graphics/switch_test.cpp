#include "EditorFixture.h"
#include "graphics/ISwitchControl.h"

#include <gtest/gtest.h>

namespace
{
constexpr IMouseState kLeft{true, false, false, false, false};
constexpr IMouseState kMiddle{};
} // namespace

TEST(Switch, PressesStepThroughTheFramesAndWrap)
{
  struct Case
  {
    int frames;
    std::vector<double> values;
  };
  const Case cases[] = {
    {2, {1.0, 0.0, 1.0, 0.0}},
    {4, {1.0 / 3.0, 2.0 / 3.0, 1.0, 0.0, 1.0 / 3.0}},
    {1, {1.0, 0.0, 1.0}},
  };
  for (const Case& c : cases)
  {
    EditorFixture editor;
    const IFrameBitmap strip{nullptr, 10, 10 * c.frames, c.frames, false};
    auto& button = editor.Add<ISwitchControl>(0, 0, -1, strip, BlendSourceAlpha);
    for (std::size_t i = 0; i < c.values.size(); ++i)
    {
      // Any button steps it, a double click as well.
      if (i % 2 == 0)
        editor.graphics->PointerDown(5, 5, i % 4 == 0 ? kLeft : kMiddle);
      else
        editor.graphics->PointerDoubleClick(5, 5, kLeft);
      EXPECT_NEAR(button.Value(), c.values[i], 1e-12) << c.frames << " frames, step " << i;
    }
  }
}

TEST(Switch, ClickSwitchesTheParameterWithinAGesture)
{
  EditorFixture editor;
  const IFrameBitmap buttonStrip{nullptr, 42, 84, 2, false};
  auto& hiss = editor.Add<ISwitchControl>(10, 10, ParamHiss, buttonStrip, BlendSourceAlpha);
  editor.Bind();
  ASSERT_DOUBLE_EQ(hiss.Value(), 1.0);

  editor.graphics->PointerDown(20, 20, kLeft);
  editor.graphics->PointerUp(20, 20, kLeft);
  EXPECT_DOUBLE_EQ(hiss.Value(), 0.0);
  EXPECT_DOUBLE_EQ(editor.plug.GetParam(ParamHiss)->Value(), 0.0);
  EXPECT_EQ(editor.plug.events, (std::vector<PlugEvent>{{PlugEvent::Begin, ParamHiss},
                                                         {PlugEvent::Inform, ParamHiss, 0.0},
                                                         {PlugEvent::End, ParamHiss}}));
}
