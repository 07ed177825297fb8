#include "tools/render/PlanarAudio.h"
#include "tools/render/StreamRender.h"

#include <gtest/gtest.h>

#include <deque>

namespace
{
// A processor whose output is its input `delay` frames late, and which
// reports that delay as its latency, as a plug-in with look-ahead or
// oversampling filters does.
class DelayingProcessor : public BlockProcessor
{
public:
  explicit DelayingProcessor(int delay) : mDelay(delay) {}

  bool Start(double, int, int channels, std::string&) override
  {
    mLines.assign(static_cast<size_t>(channels), std::deque<float>(static_cast<size_t>(mDelay), 0.0f));
    ++mStarts;
    return true;
  }
  int LatencyFrames() const override { return mDelay; }
  bool Process(float* const* inputs, float* const* outputs, int frames, std::string&) override
  {
    for (size_t c = 0; c < mLines.size(); ++c)
      for (int i = 0; i < frames; ++i)
      {
        mLines[c].push_back(inputs[c][i]);
        outputs[c][i] = mLines[c].front();
        mLines[c].pop_front();
      }
    return true;
  }
  double InputLevelDb() const override { return 0.0; }
  void Stop() override { ++mStops; }

  int mStarts = 0;
  int mStops = 0;

private:
  int mDelay;
  std::vector<std::deque<float>> mLines;
};

struct LatencyCase
{
  int delay;
  int blockFrames;
  size_t frames;
};

const LatencyCase kCases[] = {
  {0, 512, 10000},     // no latency: nothing dropped, nothing added
  {700, 512, 10000},   // a latency across blocks
  {512, 512, 1536},    // a latency of exactly one block
  {700, 64, 300},      // an input shorter than the latency
  {3, 1, 50},          // one frame per block
  {4096, 1000, 4096},  // an input exactly as long as the latency
};

TEST(LatencyCompensation, TheOutputLinesUpWithTheInputAndIsAsLong)
{
  for (const LatencyCase& test : kCases)
  {
    SCOPED_TRACE("delay " + std::to_string(test.delay) + ", blocks of " + std::to_string(test.blockFrames) + ", " +
                 std::to_string(test.frames) + " frames");
    std::vector<std::vector<float>> input(2, std::vector<float>(test.frames));
    for (size_t i = 0; i < test.frames; ++i)
    {
      input[0][i] = static_cast<float>(i + 1) * 1e-5f;
      input[1][i] = -static_cast<float>(i + 1) * 1e-5f;
    }
    PlanarSource source(48000.0, input);
    DelayingProcessor processor(test.delay);
    PlanarSink sink(2);
    StreamSettings settings;
    settings.blockFrames = test.blockFrames;
    std::int64_t lastDone = 0;
    settings.progress = [&](std::int64_t done, std::int64_t total) {
      EXPECT_GE(done, lastDone);
      EXPECT_EQ(total, static_cast<std::int64_t>(test.frames));
      lastDone = done;
    };
    StreamResult result;
    std::string error;

    ASSERT_TRUE(StreamRender(source, processor, sink, settings, result, error)) << error;

    EXPECT_EQ(sink.Channels(), input);
    EXPECT_EQ(result.framesRead, static_cast<std::int64_t>(test.frames));
    EXPECT_EQ(lastDone, static_cast<std::int64_t>(test.frames));
    EXPECT_FLOAT_EQ(static_cast<float>(result.meters.outputPeak), static_cast<float>(test.frames) * 1e-5f);
    EXPECT_EQ(processor.mStarts, 1);
    EXPECT_EQ(processor.mStops, 1);
  }
}
}
