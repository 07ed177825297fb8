#include "CountingAllocations.h"
#include "TapeTestSignals.h"
#include "tape/AutoGain.h"
#include "tape/TapeEngine.h"
#include "tape/VelkorTape.h"
#include "tools/vst3host/HostObjects.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

using TapeTest::StereoBuffer;

int AllocationsDuring(auto&& work)
{
  StartCountingAllocations();
  work();
  return StopCountingAllocations();
}

TEST(AudioPath, CountsAnAllocation)
{
  // Volatile, so that the compiler cannot pair the calls away.
  EXPECT_EQ(AllocationsDuring([] {
              int* volatile number = new int(3);
              delete number;
            }),
            1);
  EXPECT_EQ(AllocationsDuring([] {
              void* volatile memory = std::malloc(16);
              std::free(memory);
            }),
            1);
}

// Every stage on: a deck with all shelves active, bias, hiss, a stereo block
// longer than the noise buffers, and the automatic gain learning.
TEST(AudioPath, TapeChainAndAutoGainDoNotAllocate)
{
  TapeEngine engine;
  engine.Reset(48000);
  engine.SetChannelCount(2);
  engine.SelectDeck(2);
  engine.SetBias(6);
  engine.SetHissOn(true);
  engine.SetHissGain(1e-3);
  AutoGainState autoGain;
  autoGain.SetSampleRate(48000);
  autoGain.SetChannelCount(2);
  autoGain.Restart(1);

  StereoBuffer block(10000);
  TapeTest::AddSine(block.left, 0.5, 440, 48000);
  TapeTest::AddSine(block.right, 0.25, 1000, 48000);
  const int allocations = AllocationsDuring([&] {
    for (int repeat = 0; repeat < 4; ++repeat)
    {
      engine.SetInputGain(std::pow(10, autoGain.UpdateAutoGain(block.Channels(), block.Length()) / 20));
      engine.RunTapeChain(block.Channels(), block.Length());
      engine.SetChannelCount(1);
    }
  });
  EXPECT_EQ(allocations, 0);
}

}  // namespace

namespace {

// The whole plug-in as a host drives it: process() with parameter changes,
// the automatic gain moving the input level and reporting it, a group member
// publishing, 32-bit buffers converted, a block longer than announced.
TEST(AudioPath, AProcessedBlockOfThePlugInDoesNotAllocate)
{
  using namespace Steinberg;
  using namespace Steinberg::Vst;
  auto* plug = new VelkorTape;
  plug->initialize(nullptr);
  ProcessSetup setup{kRealtime, kSample32, 512, 48000.0};
  plug->setupProcessing(setup);
  plug->setActive(true);

  auto* inputChanges = new VstHost::ParameterChanges;
  auto* outputChanges = new VstHost::ParameterChanges;
  std::vector<float> left(1500), right(1500);
  for (size_t i = 0; i < left.size(); ++i)
  {
    left[i] = static_cast<float>(0.4 * std::sin(0.05 * double(i)));
    right[i] = static_cast<float>(0.2 * std::sin(0.11 * double(i)));
  }
  float* channels[2] = {left.data(), right.data()};
  AudioBusBuffers in{}, out{};
  in.numChannels = out.numChannels = 2;
  in.channelBuffers32 = out.channelBuffers32 = channels;
  ProcessContext playing{};
  playing.state = ProcessContext::kPlaying;
  ProcessData data;
  data.symbolicSampleSize = kSample32;
  data.numSamples = 1500;
  data.numInputs = data.numOutputs = 1;
  data.inputs = &in;
  data.outputs = &out;
  data.processContext = &playing;
  data.inputParameterChanges = inputChanges;
  data.outputParameterChanges = outputChanges;

  int32 index = 0;
  for (ParamID id : {1, 6, 8})  // "Auto input" on, a deck, "Group 1"
    inputChanges->addParameterData(id, index)->addPoint(0, id == 8 ? 0.125 : 1.0, index);
  plug->process(data);  // from here on the host's queues exist, as in a running host

  const int allocations = AllocationsDuring([&] {
    for (int repeat = 0; repeat < 4; ++repeat)
    {
      outputChanges->Clear();
      plug->process(data);
    }
  });
  EXPECT_EQ(allocations, 0);

  plug->setActive(false);
  plug->terminate();
  plug->release();
  inputChanges->release();
  outputChanges->release();
}

}  // namespace
