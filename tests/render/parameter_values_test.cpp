#include "PluginFixture.h"

namespace
{
struct ValueCase
{
  std::string setting;
  std::string shown;  // the display text of the value taken; "" when refused
  std::string said;   // part of the refusal
};

const ValueCase kCases[] = {
  {"Input level=6", "6.0", ""},
  {"Input level=6 dB", "6.0", ""},
  {"Input level=6dB", "6.0", ""},
  {"Input level=0.0 dB", "0.0", ""},
  {"Input level=+1.5", "1.5", ""},
  {"Input level=-.5 db", "-0.5", ""},
  {" input LEVEL = -18 ", "-18.0", ""},
  {"Hiss level=-76dB", "-76", ""},
  {"Hiss level=-100 dB", "-100", ""},
  {"Bias level=+6 dB", "+6 dB", ""},
  {"Bias level=+6dB", "+6 dB", ""},
  {"bias level=+6 DB", "+6 dB", ""},
  {"Bias level=6", "+6 dB", ""},
  {"Bias level=6 dB", "+6 dB", ""},
  {"Auto input Level=2", "+2 VU", ""},
  {"Group=3", "Group 3", ""},
  {"Group=no group", "No group", ""},
  {"Deck type=swiss 30 ips", "Swiss 30 IPS", ""},
  {"Deck type=American 2 30 IPS", "American 2 30 IPS", ""},
  {"Hiss=ON", "on", ""},
  {"Input level=18.1", "", "\"Input level\" takes a number from -18.0 to 18.0, with or without \"dB\""},
  {"Input level=6 VU", "", "not \"6 VU\""},
  {"Input level=0x10", "", "not \"0x10\""},
  {"Input level=1e1", "", "not \"1e1\""},
  {"Input level=12abc", "", "not \"12abc\""},
  {"Input level=inf", "", "not \"inf\""},
  {"Input level=NaN", "", "not \"NaN\""},
  {"Input level=", "", "\"Input level\" needs a value after '='"},
  {"Bias level=2", "",
   "\"Bias level\" takes one of \"+0 dB\", \"+3 dB\" or \"+6 dB\", or the number shown (0, 3 or 6)"},
  {"Bias level=6 VU", "", "not \"6 VU\""},
  {"Group=0", "", "or the number shown (1, 2, 3, 4, 5, 6, 7 or 8), not \"0\""},
  {"Hiss=1", "", "\"Hiss\" takes one of \"off\" or \"on\", not \"1\""},
  {"Deck type=15", "",
   "\"Deck type=15\" could be \"Japan 15 IPS\", \"American 15 IPS\", \"Swiss 15 IPS\" or "
   "\"American 2 15 IPS\"; name one"},
  {"Deck type=2", "", "could be \"American 2 15 IPS\" or \"American 2 30 IPS\""},
  {"Inptu level=3", "", "the plug-in has no parameter \"Inptu level\"; did you mean \"Input level\"?"},
  {"AUTO GAIN=on", "", "did you mean \"Auto input\"?"},
  {"OUT. COMP.=on", "", "did you mean \"Output compensation\"?"},
  {"LEVEL=3", "", "did you mean \"Auto input Level\" or \"Hiss level\""},
  {"Tape speed=30", "", "the plug-in has no parameter \"Tape speed\" (--list-params shows them all)"},
  {"=3", "", "a setting names its parameter before '='"},
};

class ParameterValueTest : public PluginTest
{
};

TEST_F(ParameterValueTest, AreTakenAsTheEditorShowsThemAndRefusedWithTheValidForms)
{
  for (const ValueCase& test : kCases)
  {
    SCOPED_TRACE(test.setting);
    ParameterSetting setting;
    std::string error;
    const bool taken = ResolveSetting(*plug, test.setting, setting, error);
    EXPECT_EQ(taken, !test.shown.empty()) << error;
    if (taken)
      EXPECT_EQ(DisplayText(*plug, setting.id, setting.normalized), test.shown);
    else
      EXPECT_NE(error.find(test.said), std::string::npos) << error;
  }
}
}
