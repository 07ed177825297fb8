#include "TestPlug.h"

#include <gtest/gtest.h>
#include <vector>

namespace
{
constexpr int kFrames = 8;

// Writes a third of each input (not representable in float) and remembers
// what it saw, including the previous content of its outputs.
class ThirdPlug : public TestPlug
{
public:
  explicit ThirdPlug(const char* channelIO) : TestPlug(1, channelIO) {}
  void ProcessAudioBlock(double** inputs, double** outputs, int nFrames) override
  {
    ++processedBlocks;
    seenInput.assign(NInChannels(), {});
    seenOutputBefore.assign(NOutChannels(), {});
    for (int c = 0; c < NInChannels(); ++c)
      seenInput[c].assign(inputs[c], inputs[c] + nFrames);
    for (int c = 0; c < NOutChannels(); ++c)
    {
      seenOutputBefore[c].assign(outputs[c], outputs[c] + nFrames);
      for (int s = 0; s < nFrames; ++s)
        outputs[c][s] = (c < NInChannels() ? inputs[c][s] : 1.0) / 3.0;
    }
  }
  std::vector<std::vector<double>> seenInput, seenOutputBefore;
};

struct StereoBuffers
{
  std::vector<double> in[2], out[2];
  double* inPtrs[2];
  double* outPtrs[2];
  StereoBuffers()
  {
    for (int c = 0; c < 2; ++c)
    {
      for (int s = 0; s < kFrames; ++s)
        in[c].push_back(0.1 * (s + 1) * (c == 0 ? 1 : -1));
      out[c].assign(kFrames, 9.0);
      inPtrs[c] = in[c].data();
      outPtrs[c] = out[c].data();
    }
  }
};

template <class Plug>
void ConnectAll(Plug& plug)
{
  plug.SetInputChannelsConnected(0, plug.NInChannels(), true);
  plug.SetOutputChannelsConnected(0, plug.NOutChannels(), true);
  plug.PrepareBlockSize(kFrames);
}
}

TEST(AudioBlock, DefaultProcessingAndBypassPassStereoThrough)
{
  for (bool bypass : {false, true})
  {
    TestPlug plug(1, "1-1 2-2");
    ConnectAll(plug);
    StereoBuffers b;
    plug.ConnectInputBuffers(0, 2, b.inPtrs);
    plug.ConnectOutputBuffers(0, 2, b.outPtrs);
    bypass ? plug.BypassBlock(kFrames) : plug.RunBlock(kFrames);
    EXPECT_EQ(b.out[0], b.in[0]);
    EXPECT_EQ(b.out[1], b.in[1]);
    EXPECT_EQ(plug.processedBlocks, bypass ? 0 : 1);
  }
}

TEST(AudioBlock, OutputsWithoutAnInputAreSilenced)
{
  for (bool bypass : {false, true})
  {
    TestPlug plug(1, "1-2");
    ConnectAll(plug);
    StereoBuffers b;
    plug.ConnectInputBuffers(0, 1, b.inPtrs);
    plug.ConnectOutputBuffers(0, 2, b.outPtrs);
    bypass ? plug.BypassBlock(kFrames) : plug.RunBlock(kFrames);
    EXPECT_EQ(b.out[0], b.in[0]);
    EXPECT_EQ(b.out[1], std::vector<double>(kFrames, 0.0));
  }
}

TEST(AudioBlock, FloatBlocksAreWidenedInAndRoundedOut)
{
  ThirdPlug plug("2-2");
  ConnectAll(plug);
  std::vector<float> in[2], out[2];
  float* inPtrs[2];
  float* outPtrs[2];
  for (int c = 0; c < 2; ++c)
  {
    for (int s = 0; s < kFrames; ++s)
      in[c].push_back(0.1f * static_cast<float>(s + c));
    out[c].assign(kFrames, 9.0f);
    inPtrs[c] = in[c].data();
    outPtrs[c] = out[c].data();
  }
  plug.ConnectInputBuffersFloat(0, 2, inPtrs, kFrames);
  plug.ConnectOutputBuffersFloat(0, 2, outPtrs);
  plug.RunBlockFloat(kFrames);

  for (int c = 0; c < 2; ++c)
    for (int s = 0; s < kFrames; ++s)
    {
      EXPECT_EQ(plug.seenInput[c][s], static_cast<double>(in[c][s]));
      EXPECT_EQ(out[c][s], static_cast<float>(static_cast<double>(in[c][s]) / 3.0));
    }

  for (int c = 0; c < 2; ++c)
    out[c].assign(kFrames, 9.0f);
  plug.BypassBlockFloat(kFrames);
  EXPECT_EQ(out[0], in[0]);
  EXPECT_EQ(out[1], in[1]);
}

TEST(AudioBlock, DisconnectedAndMissingInputsReadSilence)
{
  ThirdPlug plug("2-2");
  ConnectAll(plug);
  plug.SetInputChannelsConnected(1, 1, false);
  StereoBuffers b;
  plug.ConnectInputBuffers(0, 2, b.inPtrs);
  plug.ConnectOutputBuffers(0, 2, b.outPtrs);
  plug.RunBlock(kFrames);
  EXPECT_EQ(plug.seenInput[0], b.in[0]);
  EXPECT_EQ(plug.seenInput[1], std::vector<double>(kFrames, 0.0));

  double* missing[2] = {nullptr, b.in[1].data()};
  plug.SetInputChannelsConnected(0, 2, true);
  plug.ConnectInputBuffers(0, 2, missing);
  plug.RunBlock(kFrames);
  EXPECT_EQ(plug.seenInput[0], std::vector<double>(kFrames, 0.0));
  EXPECT_EQ(plug.seenInput[1], b.in[1]);

  plug.ConnectInputBuffers(0, 2, nullptr);
  plug.ConnectOutputBuffers(0, 2, nullptr);
  plug.RunBlock(kFrames);
  EXPECT_EQ(plug.seenInput[0], std::vector<double>(kFrames, 0.0));
}

TEST(AudioBlock, BlocksLongerThanThePreparedSizeAreCut)
{
  ThirdPlug plug("2-2");
  ConnectAll(plug);
  std::vector<float> in(3 * kFrames, 0.5f), out(3 * kFrames, 9.0f);
  float* inPtrs[2] = {in.data(), in.data()};
  float* outPtrs[2] = {out.data(), out.data()};
  plug.ConnectInputBuffersFloat(0, 2, inPtrs, 3 * kFrames);
  plug.ConnectOutputBuffersFloat(0, 2, outPtrs);
  plug.RunBlockFloat(3 * kFrames);
  EXPECT_EQ(plug.seenInput[0].size(), size_t(kFrames));
  EXPECT_EQ(out[kFrames - 1], static_cast<float>(0.5 / 3.0));
  EXPECT_EQ(out[kFrames], 9.0f);
}

TEST(AudioBlock, ScratchBuffersAreKeptForTheSameSizeAndClearedForANewOne)
{
  ThirdPlug plug("2-2");
  ConnectAll(plug);
  plug.SetOutputChannelsConnected(1, 1, false);  // channel 1 writes into its scratch buffer
  StereoBuffers b;
  auto runBlock = [&] {
    plug.ConnectInputBuffers(0, 2, b.inPtrs);
    plug.ConnectOutputBuffers(0, 2, b.outPtrs);
    plug.RunBlock(kFrames);
  };
  runBlock();
  plug.PrepareBlockSize(kFrames);
  runBlock();
  EXPECT_EQ(plug.seenOutputBefore[1][0], b.in[1][0] / 3.0);

  plug.PrepareBlockSize(kFrames + 1);
  runBlock();
  EXPECT_EQ(plug.seenOutputBefore[1][0], 0.0);
  EXPECT_EQ(b.out[1], std::vector<double>(kFrames, 9.0));  // the host's second output was never written
}
