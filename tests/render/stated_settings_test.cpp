#include "PluginFixture.h"

#include "tools/render/PlanarAudio.h"
#include "tools/render/PluginBlockProcessor.h"
#include "tools/render/StatedSettings.h"
#include "tools/render/StreamRender.h"

#include <cmath>

namespace
{
struct StatedCase
{
  std::vector<std::string> settings;
  std::string input;
  std::string output;
  std::string compensation;
};

// Every level named ends as given, whatever the order; "Output
// compensation" moves only a level not named.
const StatedCase kCases[] = {
  {{}, "0.0", "0.0", "on"},
  {{"Input level=12"}, "12.0", "-12.0", "on"},
  {{"Output level=-3"}, "3.0", "-3.0", "on"},
  {{"Input level=12", "Output level=0"}, "12.0", "0.0", "on"},
  {{"Output level=0", "Input level=12"}, "12.0", "0.0", "on"},
  {{"Input level=12", "Output compensation=off"}, "12.0", "0.0", "off"},
  {{"Output compensation=off", "Input level=12"}, "12.0", "0.0", "off"},
  {{"Output compensation=on", "Output level=-6", "Input level=2"}, "2.0", "-6.0", "on"},
  {{"Input level=-18", "Output compensation=on"}, "-18.0", "18.0", "on"},
};

class StatedSettingsTest : public PluginTest
{
protected:
  void Apply(const std::vector<std::string>& texts)
  {
    std::string error;
    EXPECT_TRUE(ApplyStatedSettings(*plug, Resolve(texts), error)) << error;
  }
};

TEST_F(StatedSettingsTest, NamedValuesEndAsGivenWhateverTheOrder)
{
  ASSERT_TRUE(plug->Prepare(48000.0, 512, Steinberg::Vst::kSample32));
  for (const StatedCase& test : kCases)
  {
    std::string trace;
    for (const std::string& setting : test.settings)
      trace += setting + "; ";
    SCOPED_TRACE(trace);
    Apply(test.settings);
    EXPECT_EQ(Shown("Input level"), test.input);
    EXPECT_EQ(Shown("Output level"), test.output);
    EXPECT_EQ(Shown("Output compensation"), test.compensation);
  }
}

TEST_F(StatedSettingsTest, AStateForgetsTheOneBefore)
{
  ASSERT_TRUE(plug->Prepare(48000.0, 512, Steinberg::Vst::kSample32));
  Apply({"Input level=12", "Deck type=Swiss 30 IPS", "Hiss=off", "Bias level=+6 dB"});
  Apply({"Deck type=Japan 30 IPS"});
  EXPECT_EQ(Shown("Deck type"), "Japan 30 IPS");
  EXPECT_EQ(Shown("Input level"), "0.0");
  EXPECT_EQ(Shown("Output level"), "0.0");
  EXPECT_EQ(Shown("Hiss"), "on");
  EXPECT_EQ(Shown("Bias level"), "+0 dB");
}

// What a second of a sine sounds like through a fresh instance with
// `settings`.
std::vector<std::vector<float>> Render(VstHost::Vst3Module& module, const std::vector<ParameterSetting>& settings)
{
  std::string error;
  const std::unique_ptr<VstHost::PluginInstance> plug =
    VstHost::PluginInstance::Create(module, STR16("velkortape-render tests"), error);
  EXPECT_TRUE(plug) << error;
  std::vector<std::vector<float>> sine(2, std::vector<float>(48000));
  for (size_t i = 0; i < sine[0].size(); ++i)
    sine[0][i] = sine[1][i] = static_cast<float>(0.1 * std::sin(0.05 * static_cast<double>(i)));
  PlanarSource source(48000.0, sine);
  PluginBlockProcessor processor(*plug, settings);
  PlanarSink sink(2);
  StreamResult result;
  EXPECT_TRUE(StreamRender(source, processor, sink, StreamSettings{}, result, error)) << error;
  return sink.Channels();
}

TEST_F(StatedSettingsTest, TheAudioFollowsTheStatedLevels)
{
  const auto turnedOff = Render(*module, Resolve({"Hiss=off", "Input level=12", "Output compensation=off"}));
  const auto coupled = Render(*module, Resolve({"Hiss=off", "Input level=12"}));
  const auto bothNamed = Render(*module, Resolve({"Hiss=off", "Input level=12", "Output level=0"}));
  EXPECT_NE(turnedOff, coupled) << "switching the compensation off changed nothing";
  EXPECT_EQ(turnedOff, bothNamed) << "the same levels sound different";
}
}
