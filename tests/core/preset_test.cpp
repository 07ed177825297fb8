#include "TestPlug.h"

#include <gtest/gtest.h>

namespace
{
class PresetPlug : public TestPlug
{
public:
  explicit PresetPlug(int nPresets) : TestPlug(2, "2-2", nPresets)
  {
    GetParam(0)->DefineDouble("Input level", 0.0, -18.0, 18.0, 0.1, "dB");
    GetParam(1)->DefineBool("Hiss", true);
  }
  void PresetApplied() override { ++presetsApplied; }
  int presetsApplied = 0;
};
}

TEST(Presets, SlotsStartUnusedAndNamedEmpty)
{
  PresetPlug plug(2);
  EXPECT_STREQ(plug.PresetName(0), "empty");
  EXPECT_STREQ(plug.PresetName(1), "empty");
  EXPECT_STREQ(plug.PresetName(-1), "");
  EXPECT_STREQ(plug.PresetName(2), "");
}

TEST(Presets, DefaultPresetRestoresTheConstructionValues)
{
  PresetPlug plug(1);
  plug.AddDefaultPresets("-", 1);
  EXPECT_STREQ(plug.PresetName(0), "-");

  plug.GetParam(0)->SetClamped(7.5);
  plug.GetParam(1)->SetClamped(0.0);
  EXPECT_TRUE(plug.ApplyPreset(0));
  EXPECT_EQ(plug.GetParam(0)->Value(), 0.0);
  EXPECT_EQ(plug.GetParam(1)->Value(), 1.0);
  EXPECT_EQ(plug.CurrentPreset(), 0);
  EXPECT_EQ(plug.presetsApplied, 1);
  EXPECT_EQ(plug.changes.size(), 2u);
}

TEST(Presets, AddingMorePresetsThanSlotsFillsOnlyTheFreeOnes)
{
  PresetPlug plug(2);
  plug.AddDefaultPresets(nullptr, 1);
  plug.GetParam(0)->SetClamped(3.0);
  plug.AddDefaultPresets("second", 5);
  EXPECT_STREQ(plug.PresetName(0), "Empty");
  EXPECT_STREQ(plug.PresetName(1), "second");

  plug.ApplyPreset(0);
  EXPECT_EQ(plug.GetParam(0)->Value(), 0.0);
  plug.ApplyPreset(1);
  EXPECT_EQ(plug.GetParam(0)->Value(), 3.0);
  EXPECT_EQ(plug.CurrentPreset(), 1);
}

TEST(Presets, ApplyingAnUnusedSlotStoresTheCurrentValuesAsAUserPreset)
{
  PresetPlug plug(3);
  plug.AddDefaultPresets("-", 1);
  plug.GetParam(0)->SetClamped(-6.0);
  EXPECT_TRUE(plug.ApplyPreset(1));
  EXPECT_STREQ(plug.PresetName(1), "user preset 1");
  EXPECT_EQ(plug.CurrentPreset(), 1);
  EXPECT_TRUE(plug.ApplyPreset(2));
  EXPECT_STREQ(plug.PresetName(2), "user preset 2");

  plug.ApplyPreset(0);
  EXPECT_EQ(plug.GetParam(0)->Value(), 0.0);
  plug.ApplyPreset(1);
  EXPECT_EQ(plug.GetParam(0)->Value(), -6.0);
}

TEST(Presets, IndexOutsideTheListChangesNothing)
{
  PresetPlug plug(1);
  plug.AddDefaultPresets("-", 1);
  plug.GetParam(0)->SetClamped(4.0);
  EXPECT_FALSE(plug.ApplyPreset(5));
  EXPECT_FALSE(plug.ApplyPreset(-1));
  EXPECT_EQ(plug.GetParam(0)->Value(), 4.0);
  EXPECT_EQ(plug.presetsApplied, 0);
  EXPECT_TRUE(plug.changes.empty());
}
