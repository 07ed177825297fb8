#include "ModuleFixture.h"

#include <cstring>
#include <limits>

using namespace VstHost;

namespace
{
std::vector<char> StateBytes(int32_t count, const std::vector<double>& values, int32_t bypass)
{
  std::vector<char> bytes(4 + 8 * values.size() + 4);
  std::memcpy(bytes.data(), &count, 4);
  std::memcpy(bytes.data() + 4, values.data(), 8 * values.size());
  std::memcpy(bytes.data() + 4 + 8 * values.size(), &bypass, 4);
  return bytes;
}

// Applies parameter values the way a host does: in a block.
void Apply(PluginInstance& plug, std::initializer_list<std::pair<ParamID, double>> changes)
{
  for (const auto& [id, value] : changes)
    plug.QueueParameter(id, value);
  plug.FlushParameters();
}
}

TEST_F(ModuleTest, StateIsTheParameterChunkFollowedByTheBypassFlag)
{
  auto plug = NewInstance();
  Apply(*plug, {{6, 5.0 / 7.0}, {10, 1.0}, {kBypassId, 1.0}});
  const std::vector<char> state = plug->GetState();

  // 11 parameters, then the doubles 0, 0, 0, 0, 1, 0, 5, 1, 0, 0, -60 and the
  // bypass flag 1. 1.0 = 3FF0..., 5.0 = 4014..., -60.0 = C04E... (worked by hand).
  std::vector<unsigned char> expected = {0x0B, 0, 0, 0};
  const unsigned char high[11][2] = {{0, 0},       {0, 0}, {0, 0},       {0, 0}, {0xF0, 0x3F}, {0, 0},
                                     {0x14, 0x40}, {0xF0, 0x3F}, {0, 0}, {0, 0}, {0x4E, 0xC0}};
  for (const auto& h : high)
  {
    expected.insert(expected.end(), 6, 0);
    expected.insert(expected.end(), h, h + 2);
  }
  expected.insert(expected.end(), {1, 0, 0, 0});
  ASSERT_EQ(state.size(), 96u);
  EXPECT_EQ(std::vector<unsigned char>(state.begin(), state.end()), expected);
}

TEST_F(ModuleTest, StateRoundTripRestoresValuesAndBypass)
{
  auto source = NewInstance();
  Apply(*source, {{4, 0.0}, {0, 0.75}, {3, 0.25}, {6, 3.0 / 7.0}, {5, 1.0}, {8, 2.0 / 8.0}, {kBypassId, 1.0}});
  const std::vector<char> state = source->GetState();

  auto target = NewInstance();
  ASSERT_EQ(target->SetState(state), kResultOk);
  EXPECT_EQ(target->GetState(), state);
  EXPECT_EQ(target->DisplayText(0), STR16("9.0"));
  EXPECT_EQ(target->DisplayText(3), STR16("-9.0"));
  EXPECT_EQ(target->DisplayText(6), STR16("American 30 IPS"));
  EXPECT_EQ(target->DisplayText(8), STR16("Group 2"));
  EXPECT_DOUBLE_EQ(target->Normalized(kBypassId), 1.0);
}

TEST_F(ModuleTest, RecallKeepsBothStoredLevelsWithCompensationOn)
{
  auto source = NewInstance();
  // Compensation off while the levels are set apart, then on again.
  Apply(*source, {{4, 0.0}});
  Apply(*source, {{0, 24.0 / 36.0}, {3, 15.0 / 36.0}});
  Apply(*source, {{4, 1.0}});
  EXPECT_EQ(source->DisplayText(0), STR16("6.0"));
  EXPECT_EQ(source->DisplayText(3), STR16("-3.0"));

  auto target = NewInstance();
  ASSERT_EQ(target->SetState(source->GetState()), kResultOk);
  EXPECT_EQ(target->DisplayText(0), STR16("6.0"));
  EXPECT_EQ(target->DisplayText(3), STR16("-3.0"));
  EXPECT_EQ(target->DisplayText(4), STR16("on"));

  // The coupling still acts on the next change.
  Apply(*target, {{0, 30.0 / 36.0}});
  EXPECT_EQ(target->DisplayText(3), STR16("-12.0"));
}

TEST_F(ModuleTest, StatesOfOlderAndNewerBuildsLoad)
{
  auto plug = NewInstance();
  Apply(*plug, {{10, 1.0}});

  std::vector<double> nine(9, 0.0);
  nine[6] = 2.0;
  ASSERT_EQ(plug->SetState(StateBytes(9, nine, 1)), kResultOk);
  EXPECT_EQ(plug->DisplayText(6), STR16("American 15 IPS"));
  EXPECT_EQ(plug->DisplayText(10), STR16("-60"));  // not stored: kept
  EXPECT_DOUBLE_EQ(plug->Normalized(kBypassId), 1.0);

  std::vector<double> thirteen(13, 0.0);
  thirteen[10] = -100.0;
  thirteen[11] = 7.0;
  thirteen[12] = 7.0;
  ASSERT_EQ(plug->SetState(StateBytes(13, thirteen, 0)), kResultOk);
  EXPECT_EQ(plug->DisplayText(10), STR16("-100"));
  EXPECT_DOUBLE_EQ(plug->Normalized(kBypassId), 0.0);
}

TEST_F(ModuleTest, BrokenStatesAreRefusedAndChangeNothing)
{
  auto plug = NewInstance();
  Apply(*plug, {{6, 1.0}, {0, 0.25}, {kBypassId, 1.0}});
  const std::vector<char> before = plug->GetState();

  std::vector<double> values(11, 1.0);
  std::vector<double> withNan = values;
  withNan[3] = std::numeric_limits<double>::quiet_NaN();
  std::vector<char> good = StateBytes(11, values, 0);
  std::vector<char> oversized(kMaxStateBytes + 1, 0);
  std::memcpy(oversized.data(), good.data(), good.size());

  struct Case { const char* what; std::vector<char> bytes; };
  const Case cases[] = {
    {"empty", {}},
    {"shorter than the count", {11, 0, 0}},
    {"no bypass flag", std::vector<char>(good.begin(), good.end() - 4)},
    {"half a bypass flag", std::vector<char>(good.begin(), good.end() - 2)},
    {"ends inside the values", std::vector<char>(good.begin(), good.begin() + 50)},
    {"not a number", StateBytes(11, withNan, 0)},
    {"absurd count", StateBytes(0x7FFFFFFF, values, 0)},
    {"negative count", StateBytes(-3, values, 0)},
    {"larger than any state", oversized},
    {"text", std::vector<char>{'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '!'}},
  };
  for (const Case& c : cases)
  {
    EXPECT_EQ(plug->SetState(c.bytes), kResultFalse) << c.what;
    EXPECT_EQ(plug->GetState(), before) << c.what;
  }
  EXPECT_EQ(plug->Component()->setState(nullptr), kResultFalse);
  EXPECT_EQ(plug->Component()->getState(nullptr), kResultFalse);
}
