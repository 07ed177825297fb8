#include "TestPlug.h"
#include "core/HostKind.h"

#include <gtest/gtest.h>
#include <string>

TEST(HostKind, FirstKeyFoundInTheLowerCasedNameWins)
{
  struct Case { const char* name; int kind; };
  const Case cases[] = {
    {"REAPER", 1},
    {"Cubase 12 Pro", 3},
    {"VST3PluginTestHost", 27},
    {"Steinberg Nuendo and Cubase", 3},
    {"Ableton Live 11.3", 9},
    {"PreSonus Live", 9},  // "live" is tested before "presonus"
    {"PreSonus Studio One", 26},
    {"Bitwig Studio", 0},
    {"Ardour 8", 28},
    {"WaveLab 11", 31},
    {"", 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(LookUpHostKind(c.name), c.kind) << c.name;
  EXPECT_EQ(LookUpHostKind(nullptr), 0);
}

TEST(HostKind, VeryLongNamesAreReadUpToTheBufferLength)
{
  EXPECT_EQ(LookUpHostKind((std::string(250, 'x') + "reaper").c_str()), 0);
  EXPECT_EQ(LookUpHostKind((std::string(240, 'x') + "reaper").c_str()), 1);
}

TEST(HostKind, UnidentifiedUntilTheAdapterNamesTheHost)
{
  TestPlug plug;
  EXPECT_EQ(plug.HostKind(), -1);
  plug.IdentifyHost("Renoise", 0);
  EXPECT_EQ(plug.HostKind(), 29);
  EXPECT_EQ(plug.HostVersion(), 0);
}
