#include "ModuleFixture.h"

#include "pluginterfaces/vst/ivstmidicontrollers.h"
#include "pluginterfaces/vst/ivstunits.h"

using namespace VstHost;

namespace
{
HostString Title(const ParameterInfo& info)
{
  return info.title;
}
}

TEST_F(ModuleTest, PublishesPresetBypassAndTheElevenParameters)
{
  auto plug = NewInstance();
  IEditController* controller = plug->Controller();
  ASSERT_EQ(controller->getParameterCount(), 13);

  struct Expected { ParamID id; const TChar* title; const TChar* units; int32 steps; int32 flags; };
  const Expected expected[] = {
    {kPresetId, STR16("Preset"), STR16(""), 1, ParameterInfo::kIsProgramChange},
    {kBypassId, STR16("Bypass"), STR16(""), 1, ParameterInfo::kCanAutomate | ParameterInfo::kIsList | ParameterInfo::kIsBypass},
    {0, STR16("Input level"), STR16("dB"), 0, ParameterInfo::kCanAutomate},
    {1, STR16("Auto input"), STR16(""), 1, ParameterInfo::kCanAutomate | ParameterInfo::kIsList},
    {2, STR16("Auto input Level"), STR16(""), 3, ParameterInfo::kCanAutomate | ParameterInfo::kIsList},
    {3, STR16("Output level"), STR16("dB"), 0, ParameterInfo::kCanAutomate},
    {4, STR16("Output compensation"), STR16(""), 1, ParameterInfo::kCanAutomate | ParameterInfo::kIsList},
    {5, STR16("Bias level"), STR16(""), 2, ParameterInfo::kCanAutomate | ParameterInfo::kIsList},
    {6, STR16("Deck type"), STR16(""), 7, ParameterInfo::kCanAutomate | ParameterInfo::kIsList},
    {7, STR16("Hiss"), STR16(""), 1, ParameterInfo::kCanAutomate | ParameterInfo::kIsList},
    {8, STR16("Group"), STR16(""), 8, ParameterInfo::kCanAutomate | ParameterInfo::kIsList},
    {9, STR16("Bypass"), STR16(""), 1, ParameterInfo::kCanAutomate | ParameterInfo::kIsList},
    {10, STR16("Hiss level"), STR16("dB"), 0, ParameterInfo::kCanAutomate},
  };
  for (int32 i = 0; i < 13; ++i)
  {
    ParameterInfo info{};
    ASSERT_EQ(controller->getParameterInfo(i, info), kResultTrue) << i;
    EXPECT_EQ(info.id, expected[i].id) << i;
    EXPECT_EQ(Title(info), expected[i].title) << i;
    EXPECT_EQ(HostString(info.units), expected[i].units) << i;
    EXPECT_EQ(info.stepCount, expected[i].steps) << i;
    EXPECT_EQ(info.flags, expected[i].flags) << i;
    EXPECT_EQ(info.unitId, kRootUnitId) << i;
  }
  ParameterInfo info{};
  EXPECT_EQ(controller->getParameterInfo(13, info), kResultFalse);
  EXPECT_EQ(controller->getParameterInfo(-1, info), kResultFalse);

  ParameterInfo input{};
  controller->getParameterInfo(2, input);
  EXPECT_DOUBLE_EQ(input.defaultNormalizedValue, 0.5);
}

TEST_F(ModuleTest, ValuesAndTextsComeFromThePlugInsParameters)
{
  auto plug = NewInstance();
  IEditController* controller = plug->Controller();

  struct Case { ParamID id; double normalized; const TChar* text; };
  const Case cases[] = {
    {0, 0.5, STR16("0.0")},  {0, 0.75, STR16("9.0")},   {3, 0.5, STR16("0.0")},        {7, 1.0, STR16("on")},
    {7, 0.0, STR16("off")},  {7, 0.62, STR16("on")},    {6, 3.0 / 7.0, STR16("American 30 IPS")},
    {10, 0.4, STR16("-84")}, {2, 1.0, STR16("+3 VU")},  {8, 0.0, STR16("No group")},
  };
  for (const Case& c : cases)
  {
    String128 text{};
    ASSERT_EQ(controller->getParamStringByValue(c.id, c.normalized, text), kResultOk);
    EXPECT_EQ(HostString(text), c.text) << c.id << " at " << c.normalized;
  }
  String128 text{};
  EXPECT_EQ(controller->getParamStringByValue(kBypassId, 1.0, text), kResultFalse);

  EXPECT_DOUBLE_EQ(controller->plainParamToNormalized(0, 0.0), 0.5);
  EXPECT_DOUBLE_EQ(controller->plainParamToNormalized(10, -60.0), 1.0);
  EXPECT_DOUBLE_EQ(controller->plainParamToNormalized(4242, 3.5), 3.5);
  EXPECT_DOUBLE_EQ(controller->normalizedParamToPlain(0, 0.25), -9.0);

  EXPECT_DOUBLE_EQ(controller->getParamNormalized(7), 1.0);
  EXPECT_DOUBLE_EQ(controller->getParamNormalized(kPresetId), 0.0);
  EXPECT_DOUBLE_EQ(controller->getParamNormalized(kBypassId), 0.0);
  EXPECT_EQ(controller->setParamNormalized(7, 0.0), kResultOk);
  EXPECT_DOUBLE_EQ(controller->getParamNormalized(7), 1.0);
}

// A host's "reset to default" sets the published default: it must be the
// value the plug-in starts with ("Hiss" and "Output compensation" start on).
TEST_F(ModuleTest, EveryPublishedDefaultIsTheValueThePlugInStartsWith)
{
  auto plug = NewInstance();
  IEditController* controller = plug->Controller();
  const int32 count = controller->getParameterCount();
  for (int32 i = 0; i < count; ++i)
  {
    ParameterInfo info{};
    ASSERT_EQ(controller->getParameterInfo(i, info), kResultTrue) << i;
    EXPECT_DOUBLE_EQ(info.defaultNormalizedValue, controller->getParamNormalized(info.id)) << "parameter " << i;
  }
  struct Case { int32 index; double normalized; };
  for (const Case& c : {Case{6, 1.0}, Case{9, 1.0}, Case{12, 0.6}, Case{3, 0.0}})
  {
    ParameterInfo info{};
    controller->getParameterInfo(c.index, info);
    EXPECT_DOUBLE_EQ(info.defaultNormalizedValue, c.normalized) << c.index;
  }
}

TEST_F(ModuleTest, DefaultStateAfterInitialisation)
{
  auto plug = NewInstance();
  struct Case { ParamID id; const TChar* text; };
  const Case cases[] = {{0, STR16("0.0")},          {1, STR16("off")},        {2, STR16("+0 VU")},     {3, STR16("0.0")},
                        {4, STR16("on")},           {5, STR16("+0 dB")},      {6, STR16("Japan 15 IPS")}, {7, STR16("on")},
                        {8, STR16("No group")},     {9, STR16("off")},        {10, STR16("-76")}};
  for (const Case& c : cases)
    EXPECT_EQ(plug->DisplayText(c.id), c.text) << c.id;
}

TEST_F(ModuleTest, UnitsProgramListAndMidiMapping)
{
  auto plug = NewInstance();
  FUnknownPtr<IUnitInfo> units(plug->Controller());
  ASSERT_TRUE(units);
  EXPECT_EQ(units->getUnitCount(), 1);
  UnitInfo root{};
  ASSERT_EQ(units->getUnitInfo(0, root), kResultOk);
  EXPECT_EQ(root.id, kRootUnitId);
  EXPECT_EQ(root.parentUnitId, kNoParentUnitId);
  EXPECT_EQ(root.programListId, kNoProgramListId);
  EXPECT_EQ(HostString(root.name), STR16("Root Unit"));
  EXPECT_EQ(units->getUnitInfo(1, root), kResultFalse);
  EXPECT_EQ(units->getUnitInfo(-1, root), kResultFalse);

  EXPECT_EQ(units->getProgramListCount(), 0);
  ProgramListInfo list{};
  ASSERT_EQ(units->getProgramListInfo(0, list), kResultOk);
  EXPECT_EQ(list.id, static_cast<ProgramListID>(kPresetId));
  EXPECT_EQ(HostString(list.name), STR16("Factory Presets"));
  EXPECT_EQ(list.programCount, 1);
  String128 name{};
  ASSERT_EQ(units->getProgramName(static_cast<ProgramListID>(kPresetId), 0, name), kResultOk);
  EXPECT_EQ(HostString(name), STR16("-"));
  EXPECT_EQ(units->getProgramName(7, 0, name), kResultFalse);
  EXPECT_EQ(units->getSelectedUnit(), kRootUnitId);
  EXPECT_EQ(units->selectUnit(0), kNotImplemented);

  FUnknownPtr<IMidiMapping> midi(plug->Controller());
  ASSERT_TRUE(midi);
  ParamID id = 1234;
  EXPECT_EQ(midi->getMidiControllerAssignment(0, 0, 7, id), kResultFalse);
  EXPECT_EQ(id, 1234u);
}

TEST_F(ModuleTest, EditorViewOnlyByItsExactName)
{
  auto plug = NewInstance();
  IPlugView* view = plug->Controller()->createView("editor");
  ASSERT_NE(view, nullptr);
  view->release();
  EXPECT_EQ(plug->Controller()->createView("Editor"), nullptr);
  EXPECT_EQ(plug->Controller()->createView(nullptr), nullptr);
}
