#include "ModuleFixture.h"

#include <atomic>
#include <random>
#include <thread>

using namespace VstHost;

namespace
{
constexpr int kBlock = 64;
constexpr double kGroup1 = 1.0 / 8.0;
constexpr double kGroup2 = 2.0 / 8.0;
const ParamID kLinked[] = {1, 2, 4, 5, 6, 7, 9, 10};

void JoinGroup(PluginInstance& plug, double group)
{
  EXPECT_TRUE(plug.Prepare(48000, kBlock, kSample32));
  plug.QueueParameter(8, group);
  plug.FlushParameters();
}

void RunBlock(PluginInstance& plug)
{
  Buffers<float> in(2, kBlock), out(2, kBlock);
  FillWithSine(in, 800.0, 0.1, 48000.0);
  plug.Process(in.Pointers(), 2, out.Pointers(), 2, kBlock);
}
}

class GroupLinkTest : public ModuleTest
{
protected:
  std::unique_ptr<PluginInstance> Join(double group)
  {
    auto plug = NewInstance();
    JoinGroup(*plug, group);
    return plug;
  }
};

TEST_F(GroupLinkTest, LinkedSettingsReachTheOtherMembersAtTheirNextBlock)
{
  auto a = Join(kGroup1);
  auto b = Join(kGroup1);
  auto c = Join(kGroup2);

  a->QueueParameter(6, 5.0 / 7.0);
  a->QueueParameter(0, 0.75);
  RunBlock(*a);
  RunBlock(*b);
  RunBlock(*c);
  EXPECT_EQ(b->DisplayText(6), STR16("Swiss 30 IPS"));
  ParamValue reported = 0.0;
  ASSERT_TRUE(b->OutputChanges().LastValue(6, reported));
  EXPECT_DOUBLE_EQ(reported, 5.0 / 7.0);
  EXPECT_EQ(b->DisplayText(0), STR16("0.0"));  // levels stay per instance
  EXPECT_EQ(b->DisplayText(8), STR16("Group 1"));
  EXPECT_EQ(c->DisplayText(6), STR16("Japan 15 IPS"));

  // Nothing new: nothing adopted, nothing reported.
  RunBlock(*b);
  EXPECT_FALSE(b->OutputChanges().LastValue(6, reported));
}

TEST_F(GroupLinkTest, ATapeBypassBypassesTheWholeGroup)
{
  auto a = Join(kGroup1);
  auto b = Join(kGroup1);
  a->QueueParameter(9, 1.0);
  RunBlock(*a);

  Buffers<float> in(2, kBlock), out(2, kBlock);
  FillWithSine(in, 800.0, 0.1, 48000.0);
  b->Process(in.Pointers(), 2, out.Pointers(), 2, kBlock);
  EXPECT_EQ(out.data, in.data);
}

TEST_F(GroupLinkTest, LeavingTheGroupStopsFollowingBothWays)
{
  auto a = Join(kGroup1);
  auto b = Join(kGroup1);
  a->QueueParameter(8, 0.0);
  a->QueueParameter(5, 1.0);
  RunBlock(*a);
  RunBlock(*b);
  EXPECT_EQ(b->DisplayText(5), STR16("+0 dB"));

  b->QueueParameter(7, 0.0);
  RunBlock(*b);
  RunBlock(*a);
  EXPECT_EQ(a->DisplayText(7), STR16("on"));
}

TEST_F(GroupLinkTest, MembersOnTwoAudioThreadsAgreeAfterwards)
{
  auto a = Join(kGroup1);
  auto b = Join(kGroup1);
  auto play = [](PluginInstance& plug, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> pick(0, 7);
    std::uniform_real_distribution<double> value(0.0, 1.0);
    for (int block = 0; block < 1500; ++block)
    {
      if (block % 3 == 0)
        plug.QueueParameter(kLinked[pick(random)], value(random));
      RunBlock(plug);
    }
  };
  std::thread first(play, std::ref(*a), 1u);
  std::thread second(play, std::ref(*b), 2u);
  first.join();
  second.join();

  for (int round = 0; round < 2; ++round)
  {
    RunBlock(*a);
    RunBlock(*b);
  }
  for (ParamID id : kLinked)
    EXPECT_DOUBLE_EQ(a->Normalized(id), b->Normalized(id)) << id;
}

// The host's threads read values and texts while the audio threads write
// them (the automatic gain moving "Input level", a member adopting the
// group's values); run under the thread sanitizer this finds any data race.
TEST_F(GroupLinkTest, HostThreadsReadEveryParameterWhileMembersProcess)
{
  auto a = Join(kGroup1);
  auto b = Join(kGroup1);
  a->QueueParameter(1, 1.0);  // "Auto input" on, published to b too
  RunBlock(*a);

  std::atomic<bool> playing{true};
  auto play = [&](PluginInstance& plug, bool changesDecks) {
    for (int block = 0; block < 1500; ++block)
    {
      if (changesDecks && block % 50 == 0)
        plug.QueueParameter(6, (block / 50 % 8) / 7.0);
      RunBlock(plug);
    }
  };
  std::thread poller([&] {
    while (playing.load())
    {
      for (PluginInstance* plug : {a.get(), b.get()})
      {
        IEditController* controller = plug->Controller();
        for (int32 i = 0; i < controller->getParameterCount(); ++i)
        {
          ParameterInfo info{};
          controller->getParameterInfo(i, info);
          String128 text{};
          controller->getParamStringByValue(info.id, controller->getParamNormalized(info.id), text);
        }
      }
    }
  });
  std::thread first(play, std::ref(*a), true);
  std::thread second(play, std::ref(*b), false);
  first.join();
  second.join();
  playing = false;
  poller.join();
  RunBlock(*a);
  RunBlock(*b);

  EXPECT_NE(a->Normalized(0), 0.5);  // the automatic gain moved "Input level"
  EXPECT_DOUBLE_EQ(a->Normalized(6), b->Normalized(6));
}

TEST_F(GroupLinkTest, InstancesBeyondTheTableStayOutsideEveryGroup)
{
  std::vector<std::unique_ptr<PluginInstance>> crowd;
  for (int i = 0; i < 130; ++i)
    crowd.push_back(Join(kGroup1));
  crowd[0]->QueueParameter(6, 1.0);
  RunBlock(*crowd[0]);
  RunBlock(*crowd[127]);
  RunBlock(*crowd[129]);
  EXPECT_EQ(crowd[127]->DisplayText(6), STR16("American 2 30 IPS"));
  EXPECT_EQ(crowd[129]->DisplayText(6), STR16("Japan 15 IPS"));
}
