#include "EditorFixture.h"
#include "ProbeControl.h"

#include <gtest/gtest.h>

#include <limits>

TEST(BoundControls, TurningOneMovesEveryControlOfItsParameter)
{
  EditorFixture editor;
  auto& knob = editor.Add<PlainKnob>(IRectI{0, 0, 100, 100}, ParamOutputLevel);
  auto& twin = editor.Add<ProbeControl>(IRectI{200, 0, 250, 50}, ParamOutputLevel);
  auto& other = editor.Add<ProbeControl>(IRectI{300, 0, 350, 50}, ParamInputLevel);
  editor.Bind();
  ASSERT_DOUBLE_EQ(twin.Value(), 0.5);

  editor.graphics->PointerDown(50, 50, {true, false, false, false, false});
  editor.graphics->PointerDrag(50, 10, {true, false, false, false, false});
  // 40 / 100 / 4.
  EXPECT_NEAR(knob.Value(), 0.6, 1e-12);
  EXPECT_NEAR(twin.Value(), 0.6, 1e-12);
  EXPECT_TRUE(twin.NeedsRedraw());
  EXPECT_DOUBLE_EQ(other.Value(), 0.5);
}

TEST(BoundControls, PlainValuesAreNormalisedOnTheWayIn)
{
  EditorFixture editor;
  auto& hissLevel = editor.Add<ProbeControl>(IRectI{0, 0, 10, 10}, ParamHissLevel);
  auto& deck = editor.Add<ProbeControl>(IRectI{0, 0, 10, 10}, ParamDeckType);
  editor.Bind();
  // Hiss level -100..-60 dB.
  EXPECT_DOUBLE_EQ(hissLevel.Value(), 0.6);
  editor.graphics->ApplyParamToControls(ParamHissLevel, -80.0, false);
  EXPECT_DOUBLE_EQ(hissLevel.Value(), 0.5);
  editor.graphics->ApplyParamToControls(ParamHissLevel, -20.0, false);
  EXPECT_DOUBLE_EQ(hissLevel.Value(), 1.0);
  editor.graphics->ApplyParamToControls(ParamDeckType, 3.0 / 7.0, true);
  EXPECT_DOUBLE_EQ(deck.Value(), 3.0 / 7.0);
  // Indices naming no parameter are ignored.
  editor.graphics->ApplyParamToControls(99, 1.0, false);
  editor.graphics->ApplyParamToControls(-1, 1.0, false);
}

TEST(BoundControls, FirstValueBecomesTheDefaultUnclampedLaterOnesAreClamped)
{
  EditorFixture editor;
  auto& meter = editor.Add<ProbeControl>(IRectI{0, 0, 10, 10});
  meter.TakePlugValue(1.7);
  EXPECT_DOUBLE_EQ(meter.Value(), 1.7);
  EXPECT_DOUBLE_EQ(meter.DefaultValue(), 1.7);
  meter.TakePlugValue(-0.5);
  EXPECT_DOUBLE_EQ(meter.Value(), 0.0);
  meter.TakePlugValue(std::numeric_limits<double>::quiet_NaN());
  EXPECT_GE(meter.Value(), 0.0);
  EXPECT_LE(meter.Value(), 1.0);
}

TEST(BoundControls, HiddenAndDisabledShareTheBlendWeight)
{
  EditorFixture editor;
  auto& control = editor.Add<ProbeControl>(IRectI{0, 0, 10, 10});
  control.SetDisabled(true);
  EXPECT_FLOAT_EQ(control.Blend().weight, 0.25f);
  control.SetHidden(true);
  EXPECT_FLOAT_EQ(control.Blend().weight, 0.0f);
  control.SetDisabled(false);
  EXPECT_FLOAT_EQ(control.Blend().weight, 1.0f) << "the last call decides";
  EXPECT_TRUE(control.IsHidden());
}

TEST(BoundControls, BindingReachesAuxiliaryBindingsToo)
{
  EditorFixture editor;
  auto& control = editor.Add<ProbeControl>(IRectI{0, 0, 10, 10}, ParamInputLevel);
  const int bias = control.AddAuxParam(ParamBiasLevel);
  const int repeated = control.AddAuxParam(ParamBiasLevel);
  editor.plug.GetParam(ParamBiasLevel)->SetFromNormalized(1.0);
  editor.Bind();
  EXPECT_DOUBLE_EQ(control.AuxValue(bias), 1.0);
  EXPECT_DOUBLE_EQ(control.AuxValue(repeated), 0.0) << "only the first binding of a parameter";
  EXPECT_DOUBLE_EQ(control.Value(), 0.5);
}

TEST(BoundControls, MarkAllDirtyAndAttachOrder)
{
  EditorFixture editor;
  auto& a = editor.Add<ProbeControl>(IRectI{0, 0, 10, 10});
  auto& b = editor.Add<ProbeControl>(IRectI{20, 0, 30, 10});
  editor.graphics->AddBackground(9999, "resources/img/none.png");
  EXPECT_EQ(a.ListIndex(), 1);
  EXPECT_EQ(b.ListIndex(), 2);
  EXPECT_EQ(editor.graphics->GetControl(0)->ListIndex(), 0);
  EXPECT_EQ(editor.graphics->GetControl(3), nullptr);

  editor.graphics->CreateDrawingSurfaces();
  editor.graphics->DrawAll();
  EXPECT_FALSE(a.NeedsRedraw());
  editor.graphics->MarkAllControlsDirty();
  IRectI region;
  EXPECT_TRUE(editor.graphics->CollectDirtyRegion(region));
  EXPECT_EQ(region, (IRectI{0, 0, 30, 10}));
}
