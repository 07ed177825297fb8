#include "DesignedFilter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace Dsp::RBJ::Design;
using DspTest::StereoFilter;

struct DesignCase
{
  const Dsp::Filter& filter;
  int kindCode;
  std::string displayName;
  std::vector<std::string> paramNames;
};

TEST(ParamInfo, EachDesignDescribesItselfAndItsParameters)
{
  const StereoFilter<LowPass> lowPass;
  const StereoFilter<HighPass> highPass;
  const StereoFilter<LowShelf> lowShelf;
  const StereoFilter<HighShelf> highShelf;
  const StereoFilter<BandShelf> bandShelf;
  const DesignCase cases[] = {
    {lowPass, 0, "RBJ Low Pass", {"Sample Rate", "Cutoff Frequency", "Resonance"}},
    {highPass, 1, "RBJ High Pass", {"Sample Rate", "Cutoff Frequency", "Resonance"}},
    {lowShelf, 4, "RBJ Low Shelf", {"Sample Rate", "Cutoff Frequency", "Gain", "Slope"}},
    {highShelf, 5, "RBJ High Shelf", {"Sample Rate", "Cutoff Frequency", "Gain", "Slope"}},
    {bandShelf, 6, "RBJ Band Shelf", {"Sample Rate", "Center Frequency", "Gain", "Bandwidth (Octaves)"}},
  };
  for (const DesignCase& c : cases)
  {
    SCOPED_TRACE(c.displayName);
    EXPECT_EQ(c.filter.KindCode(), c.kindCode);
    EXPECT_EQ(c.filter.DisplayName(), c.displayName);
    EXPECT_EQ(c.filter.ChannelCount(), 2);
    ASSERT_EQ(c.filter.ParamCount(), static_cast<int>(c.paramNames.size()));
    for (int position = 0; position < c.filter.ParamCount(); ++position)
      EXPECT_EQ(c.filter.ParamDescriptor(position).name, c.paramNames[position]) << "position " << position;
  }
}

TEST(ParamInfo, DescriptorsBeyondTheDesignAreALogicError)
{
  const StereoFilter<LowPass> lowPass;
  const StereoFilter<BandShelf> bandShelf;
  const std::pair<const Dsp::Filter*, int> misuses[] = {{&lowPass, 3}, {&lowPass, 8}, {&bandShelf, 4}, {&bandShelf, -1}};
  for (const auto& [filter, position] : misuses)
  {
    SCOPED_TRACE(testing::Message() << filter->DisplayName() << " position " << position);
    try
    {
      filter->ParamDescriptor(position);
      ADD_FAILURE() << "no exception";
    }
    catch (const std::logic_error& error)
    {
      EXPECT_STREQ(error.what(), "invalid usage of ParamInfo");
    }
  }
}

struct DescriptorCase
{
  Dsp::ParamInfo info;
  int id;
  std::string slug;
  double minimum;
  double maximum;
  double defaultValue;
};

TEST(ParamInfo, DescriptorTable)
{
  const StereoFilter<BandShelf> bandShelf;
  const StereoFilter<LowShelf> lowShelf;
  const StereoFilter<LowPass> lowPass;
  const DescriptorCase cases[] = {
    {bandShelf.ParamDescriptor(0), 0, "Fs", 11025, 192000, 44100},
    {bandShelf.ParamDescriptor(1), 1, "Fc", 10, 22040, 2000},
    {lowPass.ParamDescriptor(2), 2, "Q", -4, 4, 1},
    {bandShelf.ParamDescriptor(3), 3, "BW", -4, 4, 1},
    {bandShelf.ParamDescriptor(2), 5, "Gain", -24, 24, -6},
    {lowShelf.ParamDescriptor(3), 6, "Slope", -2, 2, 1},
  };
  for (const DescriptorCase& c : cases)
  {
    SCOPED_TRACE(c.slug);
    EXPECT_EQ(c.info.id, c.id);
    EXPECT_EQ(c.info.slug, c.slug);
    EXPECT_EQ(c.info.minimum, c.minimum);
    EXPECT_EQ(c.info.maximum, c.maximum);
    EXPECT_EQ(c.info.defaultValue, c.defaultValue);
  }
}

struct MappingCase
{
  const char* name;
  Dsp::ParamInfo info;
  double value;
  double control;
};

TEST(ParamInfo, ControlMappingsBothWays)
{
  const MappingCase cases[] = {
    {"linear, minimum", Dsp::kSampleRateParam, 11025, 0},
    {"linear, midpoint", Dsp::kSampleRateParam, 101512.5, 0.5},
    {"linear, maximum", Dsp::kSampleRateParam, 192000, 1},
    {"linear gain", Dsp::kGainParam, -6, 0.375},
    {"logarithmic, minimum", Dsp::kCutoffFrequencyParam, 10, 0},
    {"logarithmic, geometric mean", Dsp::kCenterFrequencyParam, std::sqrt(10.0 * 22040.0), 0.5},
    {"logarithmic, maximum", Dsp::kCutoffFrequencyParam, 22040, 1},
    {"logarithmic, 1 kHz", Dsp::kCutoffFrequencyParam, 1000, std::log(100.0) / std::log(2204.0)},
    {"exponent, 2^-4", Dsp::kQParam, 0.0625, 0},
    {"exponent, 2^0", Dsp::kQParam, 1, 0.5},
    {"exponent, 2^1", Dsp::kBandwidthParam, 2, 0.625},
    {"exponent, 2^4", Dsp::kBandwidthParam, 16, 1},
    {"slope exponent, 2^-1", Dsp::kSlopeParam, 0.5, 0.25},
    {"slope exponent, 2^2", Dsp::kSlopeParam, 4, 1},
  };
  for (const MappingCase& c : cases)
  {
    SCOPED_TRACE(c.name);
    EXPECT_NEAR(c.info.ToControlValue(c.value), c.control, 1e-12);
    EXPECT_NEAR(c.info.FromControlValue(c.control), c.value, 1e-9 * std::fmax(1, std::fabs(c.value)));
  }
}

struct TextCase
{
  Dsp::ParamInfo info;
  double value;
  std::string text;
};

TEST(ParamInfo, TextRules)
{
  const TextCase cases[] = {
    {Dsp::kSampleRateParam, 44100, "44100 Hz"},
    {Dsp::kCutoffFrequencyParam, 1234.6, "1235 Hz"},
    {Dsp::kCenterFrequencyParam, 95, "95 Hz"},
    {Dsp::kQParam, 0.7071067811865476, "0.707"},
    {Dsp::kBandwidthParam, 2, "2.000"},
    {Dsp::kSlopeParam, 5.66, "5.660"},
    {Dsp::kGainParam, 0.5, "0.500 dB"},
    {Dsp::kGainParam, -0.25, "-0.250 dB"},
    {Dsp::kGainParam, 1, "1.00 dB"},
    {Dsp::kGainParam, -6, "-6.00 dB"},
    {Dsp::kGainParam, 9.99, "9.99 dB"},
    {Dsp::kGainParam, 12.34, "12.3 dB"},
    {Dsp::kGainParam, -20, "-20.0 dB"},
  };
  for (const TextCase& c : cases)
    EXPECT_EQ(c.info.ToText(c.value), c.text) << c.info.name << " " << c.value;
}

}  // namespace
