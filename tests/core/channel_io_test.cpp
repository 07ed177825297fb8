#include "TestPlug.h"

#include <gtest/gtest.h>
#include <vector>

TEST(ChannelIO, ParsesTokensAndLeavesUnreadCountsAtZero)
{
  struct Case { const char* text; std::vector<ChannelIOConfig> configs; };
  const Case cases[] = {
    {"1-1 2-2", {{1, 1}, {2, 2}}},
    {"2-2", {{2, 2}}},
    {"1-2", {{1, 2}}},
    {"1-1 ", {{1, 1}, {0, 0}}},
    {"x-2 2-2", {{0, 0}, {2, 2}}},
    {"3", {{3, 0}}},
    {"", {{0, 0}}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ParseChannelIO(c.text), c.configs) << '"' << c.text << '"';
}

TEST(ChannelIO, ChannelSlotsFollowTheLargestCounts)
{
  struct Case { const char* text; int inputs, outputs; };
  const Case cases[] = {{"1-1 2-2", 2, 2}, {"2-2", 2, 2}, {"1-2", 1, 2}, {"0-1 4-2", 4, 2}};
  for (const Case& c : cases)
  {
    TestPlug plug(1, c.text);
    EXPECT_EQ(plug.NInChannels(), c.inputs) << c.text;
    EXPECT_EQ(plug.NOutChannels(), c.outputs) << c.text;
    EXPECT_FALSE(plug.IsInputChannelConnected(0));
  }
}

TEST(ChannelIO, LegalPairsMatchAConfigurationWithNegativeMeaningAny)
{
  TestPlug stereo(1, "1-1 2-2");
  EXPECT_TRUE(stereo.LegalIO(1, 1));
  EXPECT_TRUE(stereo.LegalIO(2, 2));
  EXPECT_FALSE(stereo.LegalIO(1, 2));
  EXPECT_FALSE(stereo.LegalIO(2, 1));
  EXPECT_TRUE(stereo.LegalIO(-1, 2));
  EXPECT_TRUE(stereo.LegalIO(1, -1));
  EXPECT_FALSE(stereo.LegalIO(3, -1));

  TestPlug onlyStereo(1, "2-2");
  EXPECT_TRUE(onlyStereo.LegalIO(2, 2));
  EXPECT_FALSE(onlyStereo.LegalIO(1, 1));
}

TEST(ChannelIO, ConnectionRangesAreCutAtTheChannelCount)
{
  TestPlug plug(1, "2-2");
  plug.SetInputChannelsConnected(1, 5, true);
  EXPECT_FALSE(plug.IsInputChannelConnected(0));
  EXPECT_TRUE(plug.IsInputChannelConnected(1));
  EXPECT_FALSE(plug.IsInputChannelConnected(2));
  EXPECT_FALSE(plug.IsInputChannelConnected(-1));
}

TEST(BusNames, InputsAcceptTwoBusesAndNamesReplaceOrAppend)
{
  TestPlug plug;
  plug.SetInputBusName(2, "third");
  EXPECT_TRUE(plug.InputBusNames().empty());
  plug.SetInputBusName(0, "Main Input");
  plug.SetInputBusName(1, "Aux Input");
  EXPECT_EQ(plug.InputBusNames(), (std::vector<std::string>{"Main Input", "Aux Input"}));

  plug.SetOutputBusName(0, "Output");
  plug.SetOutputBusName(0, "Output");
  plug.SetOutputBusName(-1, "nothing");
  plug.SetOutputBusName(5, "Output 6");
  EXPECT_EQ(plug.OutputBusNames(), (std::vector<std::string>{"Output", "Output 6"}));
}
