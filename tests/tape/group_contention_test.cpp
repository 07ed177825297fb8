#include "tape/GroupLink.h"
#include "tape/TapeParams.h"
#include "tools/vst3host/PluginInstance.h"
#include "tools/vst3host/Vst3Module.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <mutex>
#include <vector>

using namespace std::chrono_literals;
using namespace Steinberg;
using namespace Steinberg::Vst;

namespace
{
constexpr int kBlock = 64;
constexpr double kGroup1 = 1.0 / 8.0;
constexpr double kSwiss30 = 5.0 / 7.0;

void RunBlock(VstHost::PluginInstance& plug)
{
  std::vector<float> left(kBlock, 0.1f), right(kBlock, 0.1f), outLeft(kBlock), outRight(kBlock);
  float* in[] = {left.data(), right.data()};
  float* out[] = {outLeft.data(), outRight.data()};
  ASSERT_EQ(plug.Process(in, 2, out, 2, kBlock), kResultOk);
}
} // namespace

// The group tables are shared by every instance in the process. A block must
// never wait for another instance that holds them: what it could not write
// reaches the tables at its next block.
TEST(GroupContention, ABlockNeverWaitsForTheGroupTablesAndCatchesUpAtItsNextOne)
{
  std::unique_ptr<VstHost::Vst3Module> module = VstHost::Vst3Module::FromFactory(GetPluginFactory());
  ASSERT_NE(module, nullptr);
  std::string error;
  std::vector<std::unique_ptr<VstHost::PluginInstance>> plugs;
  for (const char16* name : {STR16("a"), STR16("b"), STR16("c")})
  {
    plugs.push_back(VstHost::PluginInstance::Create(*module, name, error));
    ASSERT_NE(plugs.back(), nullptr) << error;
    ASSERT_TRUE(plugs.back()->Prepare(48000.0, kBlock, kSample32));
  }
  VstHost::PluginInstance& a = *plugs[0];
  VstHost::PluginInstance& b = *plugs[1];
  VstHost::PluginInstance& c = *plugs[2];
  for (VstHost::PluginInstance* member : {&a, &b})
  {
    member->QueueParameter(ParamGroup, kGroup1);
    RunBlock(*member);
  }

  std::unique_lock held(GroupLink::TablesGuard());
  std::future<void> blocks = std::async(std::launch::async, [&] {
    a.QueueParameter(ParamDeckType, kSwiss30);
    RunBlock(a);
    RunBlock(b);
    c.QueueParameter(ParamGroup, kGroup1);
    RunBlock(c);
  });
  const bool finished = blocks.wait_for(5s) == std::future_status::ready;
  held.unlock();
  blocks.wait();
  ASSERT_TRUE(finished) << "a block waited while another instance held the group tables";
  EXPECT_EQ(a.DisplayText(ParamDeckType), STR16("Swiss 30 IPS"));
  EXPECT_EQ(b.DisplayText(ParamDeckType), STR16("Japan 15 IPS")) << "nothing could be published yet";
  EXPECT_EQ(c.DisplayText(ParamGroup), STR16("Group 1"));

  RunBlock(a);
  RunBlock(b);
  EXPECT_EQ(a.DisplayText(ParamDeckType), STR16("Swiss 30 IPS")) << "the group's older row must not undo a's change";
  EXPECT_EQ(b.DisplayText(ParamDeckType), STR16("Swiss 30 IPS"));

  // c's late join reaches the tables at its next block and, as any join does,
  // hands c's own settings to the members already there.
  RunBlock(c);
  RunBlock(a);
  RunBlock(b);
  EXPECT_EQ(c.DisplayText(ParamDeckType), STR16("Japan 15 IPS"));
  EXPECT_EQ(a.DisplayText(ParamDeckType), STR16("Japan 15 IPS"));
  EXPECT_EQ(b.DisplayText(ParamDeckType), STR16("Japan 15 IPS"));
}
