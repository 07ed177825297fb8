#include "tape/TapeParams.h"
#include "tape/VelkorTape.h"
#include "tools/vst3host/HostObjects.h"

#include <gtest/gtest.h>
#include <cmath>
#include <vector>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace
{
// 10^(dB/20), worked out once: +12 dB = 3.981072, -12 dB = 0.2511886,
// -76 dB = 1.584893e-4, -60 dB = 1e-3.
constexpr double kPlus12dB = 3.981071705534972;
constexpr double kMinus12dB = 0.251188643150958;
constexpr double kMinus76dB = 1.584893192461114e-4;

class TapePlugin : public ::testing::Test
{
protected:
  void SetUp() override
  {
    plug = new VelkorTape;
    ASSERT_EQ(plug->initialize(nullptr), kResultOk);
    handler = new VstHost::ComponentHandler;
    plug->setComponentHandler(handler);
    ProcessSetup setup{kRealtime, kSample64, 256, 48000.0};
    ASSERT_EQ(plug->setupProcessing(setup), kResultOk);
  }

  void TearDown() override
  {
    plug->terminate();
    plug->release();
    handler->release();
  }

  // An editor gesture: the value reaches the plug-in and the host hears it.
  void FromEditor(int param, double plain)
  {
    plug->SetParamFromEditor(param, plug->GetParam(param)->NormalizeValue(plain));
  }

  double Value(int param) const { return plug->GetParam(param)->Value(); }

  VelkorTape* plug = nullptr;
  VstHost::ComponentHandler* handler = nullptr;
};
}

TEST_F(TapePlugin, DefaultStateDesignsEverything)
{
  const TapeEngine& engine = plug->Engine();
  EXPECT_EQ(engine.SelectedDeck(), 0);
  EXPECT_TRUE(engine.HissOn());
  EXPECT_NEAR(engine.HissGain(), kMinus76dB, 1e-12);
  EXPECT_DOUBLE_EQ(engine.InputGain(), 1.0);
  EXPECT_DOUBLE_EQ(engine.OutputGain(), 1.0);
  EXPECT_DOUBLE_EQ(engine.Bias(), 0.0);
  EXPECT_EQ(engine.SampleRate(), 48000);
  EXPECT_EQ(plug->Group().InGroup(), false);
  EXPECT_STREQ(plug->PresetName(0), "-");
}

TEST_F(TapePlugin, CompensationKeepsTheLevelsOppositeAndTellsTheHostOnlyTheChangedOne)
{
  FromEditor(ParamInputLevel, 12.0);
  EXPECT_NEAR(Value(ParamOutputLevel), -12.0, 1e-12);
  EXPECT_NEAR(plug->Engine().InputGain(), kPlus12dB, 1e-9);
  EXPECT_NEAR(plug->Engine().OutputGain(), kMinus12dB, 1e-9);
  for (const auto& edit : handler->Edits())
    EXPECT_EQ(edit.id, static_cast<ParamID>(ParamInputLevel));

  FromEditor(ParamOutputLevel, 6.0);
  EXPECT_NEAR(Value(ParamInputLevel), -6.0, 1e-12);
  EXPECT_NEAR(plug->Engine().InputGain(), 1.0 / 1.9952623149688795, 1e-9);
}

TEST_F(TapePlugin, WithoutCompensationTheLevelsAreIndependent)
{
  FromEditor(ParamOutputCompensation, 0.0);
  FromEditor(ParamInputLevel, 12.0);
  EXPECT_EQ(Value(ParamOutputLevel), 0.0);
  EXPECT_DOUBLE_EQ(plug->Engine().OutputGain(), 1.0);

  FromEditor(ParamOutputCompensation, 1.0);  // takes effect at the next level change only
  EXPECT_EQ(Value(ParamOutputLevel), 0.0);
  FromEditor(ParamOutputLevel, -3.0);
  EXPECT_NEAR(Value(ParamInputLevel), 3.0, 1e-12);
}

TEST_F(TapePlugin, EachParameterReachesTheEngine)
{
  FromEditor(ParamBiasLevel, 2.0);
  EXPECT_DOUBLE_EQ(plug->Engine().Bias(), 6.0);
  FromEditor(ParamDeckType, 5.0);
  EXPECT_EQ(plug->Engine().SelectedDeck(), 5);
  FromEditor(ParamHiss, 0.0);
  EXPECT_FALSE(plug->Engine().HissOn());
  FromEditor(ParamHissLevel, -60.0);
  EXPECT_NEAR(plug->Engine().HissGain(), 1e-3, 1e-15);
  FromEditor(ParamAutoInputLevel, 3.0);
  EXPECT_DOUBLE_EQ(plug->AutoGain().TargetVu(), 3.0);
  FromEditor(ParamGroup, 3.0);
  EXPECT_TRUE(plug->Group().InGroup());
  FromEditor(ParamGroup, 0.0);
  EXPECT_FALSE(plug->Group().InGroup());
}

TEST_F(TapePlugin, TheTapesOwnBypassPassesAudioAndFreezesTheMeters)
{
  plug->setActive(true);
  std::vector<double> left(256), right(256), outLeft(256), outRight(256);
  for (int i = 0; i < 256; ++i)
  {
    left[i] = 0.5 * std::sin(0.1 * i);
    right[i] = 0.5 * std::cos(0.07 * i);
  }
  double* in[2] = {left.data(), right.data()};
  double* out[2] = {outLeft.data(), outRight.data()};
  for (int block = 0; block < 100; ++block)  // half a second: the needle has risen
  {
    plug->ConnectInputBuffers(0, 2, in);
    plug->ConnectOutputBuffers(0, 2, out);
    plug->RunBlock(256);
  }
  const double vu = plug->Engine().VuValue(0);
  EXPECT_GT(vu, 0.0);

  FromEditor(ParamBypass, 1.0);
  plug->ConnectInputBuffers(0, 2, in);
  plug->ConnectOutputBuffers(0, 2, out);
  plug->RunBlock(256);
  EXPECT_EQ(outLeft, left);
  EXPECT_EQ(outRight, right);
  EXPECT_EQ(plug->Engine().VuValue(0), vu);
}

TEST_F(TapePlugin, TheHostHearsEveryGestureBeganAndEndedOnce)
{
  plug->EndInformHostOfParamChange(ParamDeckType);  // a press that went to the host's menu
  plug->BeginInformHostOfParamChange(ParamInputLevel);
  FromEditor(ParamInputLevel, 3.0);
  plug->EndInformHostOfParamChange(ParamInputLevel);
  plug->EndInformHostOfParamChange(ParamInputLevel);

  using Edit = VstHost::ComponentHandler::Edit;
  const std::vector<Edit> edits = handler->Edits();
  ASSERT_EQ(edits.size(), 3u);
  EXPECT_EQ(edits[0].kind, Edit::Begin);
  EXPECT_EQ(edits[1].kind, Edit::Perform);
  EXPECT_DOUBLE_EQ(edits[1].value, 21.0 / 36.0);
  EXPECT_EQ(edits[2].kind, Edit::End);
  for (const Edit& edit : edits)
    EXPECT_EQ(edit.id, static_cast<ParamID>(ParamInputLevel));
}
