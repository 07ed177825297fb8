#include "ModuleFixture.h"

#include "pluginterfaces/vst/ivstprocesscontext.h"

#include <cmath>

using namespace VstHost;

namespace
{
constexpr double kRate = 48000.0;
constexpr int kBlock = 256;
constexpr double kMinus18dB = 0.12589254117941673;

template <class Sample>
double MaxDifference(const Buffers<Sample>& a, const Buffers<Sample>& b)
{
  double worst = 0.0;
  for (size_t c = 0; c < a.data.size(); ++c)
    for (size_t i = 0; i < a.data[c].size(); ++i)
      worst = std::max(worst, std::abs(double(a.data[c][i]) - double(b.data[c][i])));
  return worst;
}

// Hiss draws from a per-thread random sequence shared by all instances; the
// comparisons below switch it off.
void SwitchHissOff(PluginInstance& plug)
{
  plug.QueueParameter(7, 0.0);
  plug.FlushParameters();
}
}

TEST_F(ModuleTest, BypassTurnsOnAboveOneHalfAndPassesAudioUnchanged)
{
  auto plug = NewInstance();
  ASSERT_TRUE(plug->Prepare(kRate, kBlock, kSample32));
  Buffers<float> in(2, kBlock), out(2, kBlock);
  FillWithSine(in, 1000.0, kMinus18dB, kRate);

  plug->QueueParameter(kBypassId, 0.5);
  ASSERT_EQ(plug->Process(in.Pointers(), 2, out.Pointers(), 2, kBlock), kResultOk);
  EXPECT_GT(MaxDifference(in, out), 1e-3);
  EXPECT_DOUBLE_EQ(plug->Normalized(kBypassId), 0.0);

  plug->QueueParameter(kBypassId, 0.51);
  plug->Process(in.Pointers(), 2, out.Pointers(), 2, kBlock);
  EXPECT_EQ(MaxDifference(in, out), 0.0);
  EXPECT_DOUBLE_EQ(plug->Normalized(kBypassId), 1.0);
}

TEST_F(ModuleTest, SetUpAgainKeepsTheBypassOfTheSession)
{
  auto plug = NewInstance();
  ASSERT_TRUE(plug->Prepare(kRate, kBlock, kSample32));
  plug->QueueParameter(kBypassId, 1.0);
  plug->FlushParameters();
  plug->Deactivate();
  ASSERT_TRUE(plug->Prepare(44100.0, kBlock, kSample64));
  EXPECT_DOUBLE_EQ(plug->Normalized(kBypassId), 1.0);
}

TEST_F(ModuleTest, SingleAndDoublePrecisionGiveTheSameAudio)
{
  auto single = NewInstance();
  auto dual = NewInstance();
  ASSERT_TRUE(single->Prepare(kRate, kBlock, kSample32));
  ASSERT_TRUE(dual->Prepare(kRate, kBlock, kSample64));
  SwitchHissOff(*single);
  SwitchHissOff(*dual);

  for (int block = 0; block < 20; ++block)
  {
    Buffers<float> in32(2, kBlock), out32(2, kBlock);
    Buffers<double> in64(2, kBlock), out64(2, kBlock);
    FillWithSine(in32, 440.0, 0.5, kRate, block * kBlock);
    for (int c = 0; c < 2; ++c)
      for (int i = 0; i < kBlock; ++i)
        in64.data[c][i] = in32.data[c][i];
    single->Process(in32.Pointers(), 2, out32.Pointers(), 2, kBlock);
    dual->Process(in64.Pointers(), 2, out64.Pointers(), 2, kBlock);
    for (int c = 0; c < 2; ++c)
      for (int i = 0; i < kBlock; ++i)
        ASSERT_NEAR(out32.data[c][i], out64.data[c][i], 1e-6) << "block " << block;
  }
}

TEST_F(ModuleTest, MonoInMonoOutProcessesOneChannel)
{
  auto plug = NewInstance();
  ASSERT_TRUE(plug->Prepare(kRate, kBlock, kSample32, 1, 1));
  Buffers<float> in(1, kBlock), out(1, kBlock);
  FillWithSine(in, 1000.0, kMinus18dB, kRate);
  ASSERT_EQ(plug->Process(in.Pointers(), 1, out.Pointers(), 1, kBlock), kResultOk);
  EXPECT_GT(MaxDifference(in, out), 1e-3);
  for (float s : out.data[0])
    ASSERT_TRUE(std::isfinite(s) && std::abs(s) < 1.0f);

  SpeakerArrangement stereo = SpeakerArr::kStereo, mono = SpeakerArr::kMono;
  EXPECT_EQ(plug->Processor()->setBusArrangements(&stereo, 1, &mono, 1), kResultFalse);
  EXPECT_EQ(plug->Processor()->setBusArrangements(&stereo, 0, &stereo, 1), kResultFalse);
  EXPECT_EQ(plug->Processor()->canProcessSampleSize(kSample64), kResultTrue);
  EXPECT_EQ(plug->Processor()->canProcessSampleSize(2), kResultFalse);
}

TEST_F(ModuleTest, EachBlockAppliesTheLastPointOfEveryQueue)
{
  auto plug = NewInstance();
  ASSERT_TRUE(plug->Prepare(kRate, kBlock, kSample32));
  plug->QueueParameter(0, 0.2);
  plug->QueueParameter(0, 0.8, 100);
  EXPECT_EQ(plug->FlushParameters(), kResultOk);
  EXPECT_DOUBLE_EQ(plug->Normalized(0), 0.8);
  EXPECT_DOUBLE_EQ(plug->Normalized(3), 0.2);  // compensation moved the output level

  plug->QueueParameter(kPresetId, 0.0);
  plug->FlushParameters();
  EXPECT_DOUBLE_EQ(plug->Normalized(0), 0.5);
}

TEST_F(ModuleTest, LiveIgnoresAutomationButNotBypass)
{
  auto plug = NewInstance(STR16("Ableton Live 11"));
  ASSERT_TRUE(plug->Prepare(kRate, kBlock, kSample32));
  plug->QueueParameter(6, 1.0);
  plug->QueueParameter(kBypassId, 1.0);
  plug->FlushParameters();
  EXPECT_EQ(plug->DisplayText(6), STR16("Japan 15 IPS"));
  EXPECT_DOUBLE_EQ(plug->Normalized(kBypassId), 1.0);

  auto other = NewInstance(STR16("Bitwig Studio"));
  other->QueueParameter(6, 1.0);
  other->FlushParameters();
  EXPECT_EQ(other->DisplayText(6), STR16("American 2 30 IPS"));
}

TEST_F(ModuleTest, BlocksLongerThanAnnouncedAreProcessedWhole)
{
  auto sliced = NewInstance();
  auto regular = NewInstance();
  ASSERT_TRUE(sliced->Prepare(kRate, kBlock, kSample32));
  ASSERT_TRUE(regular->Prepare(kRate, kBlock, kSample32));
  SwitchHissOff(*sliced);
  SwitchHissOff(*regular);

  Buffers<float> in(2, 3 * kBlock), out(2, 3 * kBlock), expected(2, 3 * kBlock);
  FillWithSine(in, 300.0, 0.5, kRate);
  sliced->Process(in.Pointers(), 2, out.Pointers(), 2, 3 * kBlock);
  for (int part = 0; part < 3; ++part)
  {
    float* inParts[2] = {in.data[0].data() + part * kBlock, in.data[1].data() + part * kBlock};
    float* outParts[2] = {expected.data[0].data() + part * kBlock, expected.data[1].data() + part * kBlock};
    regular->Process(inParts, 2, outParts, 2, kBlock);
  }
  EXPECT_EQ(MaxDifference(out, expected), 0.0);
}

TEST_F(ModuleTest, ChangesMadeInsideABlockReachTheHostThroughTheBlock)
{
  auto plug = NewInstance();
  ASSERT_TRUE(plug->Prepare(kRate, kBlock, kSample32));
  ProcessContext playing{};
  playing.state = ProcessContext::kPlaying;
  playing.tempo = 120.0;
  plug->SetTransport(playing);
  plug->QueueParameter(1, 1.0);  // "Auto input" on

  Buffers<float> in(2, kBlock), out(2, kBlock);
  FillWithSine(in, 1000.0, 0.03, kRate);
  plug->Process(in.Pointers(), 2, out.Pointers(), 2, kBlock);
  ParamValue level = 0.0;
  ASSERT_TRUE(plug->OutputChanges().LastValue(0, level));
  EXPECT_DOUBLE_EQ(level, plug->Normalized(0));
  EXPECT_TRUE(plug->Handler().Edits().empty());

  ProcessContext stopped{};
  plug->SetTransport(stopped);
  plug->Process(in.Pointers(), 2, out.Pointers(), 2, kBlock);
  ParamValue autoInput = 1.0;
  ASSERT_TRUE(plug->OutputChanges().LastValue(1, autoInput));
  EXPECT_EQ(autoInput, 0.0);
  EXPECT_EQ(plug->DisplayText(1), STR16("off"));
  EXPECT_TRUE(plug->Handler().Edits().empty());
}

TEST_F(ModuleTest, UnrepresentableQueueValuesAreClampedOrIgnored)
{
  auto plug = NewInstance();
  ASSERT_TRUE(plug->Prepare(kRate, kBlock, kSample32));
  plug->QueueParameter(6, 2.0);
  plug->QueueParameter(0, std::nan(""));
  plug->QueueParameter(3, -1.0);
  plug->QueueParameter(10, INFINITY);
  plug->QueueParameter(4242, 0.5);
  plug->QueueParameter(kPresetId, 1.0);
  plug->QueueParameter(kBypassId, std::nan(""));
  EXPECT_EQ(plug->FlushParameters(), kResultOk);
  EXPECT_EQ(plug->DisplayText(6), STR16("American 2 30 IPS"));
  EXPECT_EQ(plug->DisplayText(0), STR16("18.0"));  // coupled to the output level's minimum
  EXPECT_EQ(plug->DisplayText(3), STR16("-18.0"));
  EXPECT_EQ(plug->DisplayText(10), STR16("-76"));
  EXPECT_DOUBLE_EQ(plug->Normalized(kBypassId), 0.0);
}

TEST_F(ModuleTest, MissingOrSurplusBuffersNeverCrash)
{
  auto plug = NewInstance();
  ASSERT_TRUE(plug->Prepare(kRate, kBlock, kSample32));
  EXPECT_EQ(plug->Process(static_cast<float**>(nullptr), 2, nullptr, 2, kBlock), kResultOk);

  Buffers<float> in(2, kBlock), out(2, kBlock);
  float* holes[2] = {nullptr, nullptr};
  EXPECT_EQ(plug->Process(holes, 2, out.Pointers(), 2, kBlock), kResultOk);
  EXPECT_EQ(plug->Process(in.Pointers(), 2, holes, 2, kBlock), kResultOk);

  Buffers<float> wideIn(6, kBlock), wideOut(6, kBlock);
  for (auto& channel : wideOut.data)
    std::fill(channel.begin(), channel.end(), 9.0f);
  FillWithSine(wideIn, 500.0, 0.1, kRate);
  EXPECT_EQ(plug->Process(wideIn.Pointers(), 6, wideOut.Pointers(), 6, kBlock), kResultOk);
  for (int c = 2; c < 6; ++c)
    for (float s : wideOut.data[c])
      ASSERT_EQ(s, 0.0f) << "channel " << c;
  EXPECT_NE(wideOut.data[0][10], 9.0f);
}

TEST_F(ModuleTest, ProcessingBeforeSetUpGivesSilence)
{
  auto plug = NewInstance();
  Buffers<float> in(2, kBlock), out(2, kBlock);
  FillWithSine(in, 500.0, 0.1, kRate);
  for (auto& channel : out.data)
    std::fill(channel.begin(), channel.end(), 9.0f);
  EXPECT_EQ(plug->Process(in.Pointers(), 2, out.Pointers(), 2, kBlock), kResultOk);
  for (auto& channel : out.data)
    for (float s : channel)
      ASSERT_EQ(s, 0.0f);
}
