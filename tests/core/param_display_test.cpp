#include "core/IPlugParam.h"

#include <gtest/gtest.h>
#include <string>

namespace
{
std::string Format(const IPlugParam& p, double value, bool isNormalized, bool useTexts = true)
{
  char text[IPlugParam::kTextLength];
  p.FormatValue(value, isNormalized, text, useTexts);
  return text;
}
}

TEST(ParamDisplay, NumbersUseTheStepsPrecision)
{
  IPlugParam level;
  level.DefineDouble("Output level", 0.0, -18.0, 18.0, 0.1, "dB");
  IPlugParam hiss;
  hiss.DefineDouble("Hiss level", -76.0, -100.0, -60.0, 1.0, "dB");

  struct Case { const IPlugParam* p; double value; bool normalized; const char* text; };
  const Case cases[] = {
    {&level, 0.5, true, "0.0"},
    {&level, 1.0, true, "18.0"},
    {&level, -3.25, false, "-3.2"},   // printf rounding of the binary value -3.25
    {&level, 12.04, false, "12.0"},
    {&level, 0.0, false, "0.0"},
    {&level, -0.0, false, "0.0"},     // a coupled level of minus zero reads as zero
    {&level, -0.04, false, "0.0"},
    {&level, -0.06, false, "-0.1"},
    {&hiss, -76.0, false, "-76"},
    {&hiss, -76.9, false, "-76"},     // whole numbers truncate toward zero
    {&hiss, 0.6, true, "-76"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Format(*c.p, c.value, c.normalized), c.text) << c.value;
}

TEST(ParamDisplay, DisplayTextsNameTheTruncatedValue)
{
  IPlugParam deck;
  deck.DefineEnum("Deck type", 0, 8);
  const char* names[] = {"Japan 15 IPS", "Japan 30 IPS", "American 15 IPS", "American 30 IPS"};
  for (int i = 0; i < 4; ++i)
    deck.AddDisplayText(i, names[i]);

  EXPECT_EQ(Format(deck, 3.0, false), "American 30 IPS");
  EXPECT_EQ(Format(deck, 3.9, false), "American 30 IPS");
  EXPECT_EQ(Format(deck, 3.0 / 7.0, true), "American 30 IPS");
  EXPECT_EQ(Format(deck, 5.0, false), "5.0");           // no text for 5: the number
  EXPECT_EQ(Format(deck, 2.0, false, false), "2.0");    // texts not wanted
}

TEST(ParamDisplay, NormalisedSwitchValuesShowWhatTheyWouldSet)
{
  IPlugParam hiss;
  hiss.DefineBool("Hiss", true);
  EXPECT_EQ(Format(hiss, 0.62, true), "on");
  EXPECT_EQ(Format(hiss, 0.4, true), "off");
  hiss.SetFromNormalized(0.62);
  EXPECT_EQ(Format(hiss, hiss.Value(), false), "on");
}

TEST(ParamDisplay, EmptyDisplayTextFallsThroughToTheNumber)
{
  IPlugParam p;
  p.DefineEnum("e", 0, 4);
  p.AddDisplayText(0, "zero");
  p.AddDisplayText(1, "");
  EXPECT_EQ(Format(p, 1.0, false), "1.0");
  EXPECT_STREQ(p.DisplayTextFor(1), "");
  EXPECT_STREQ(p.DisplayTextFor(3), "");
}

TEST(ParamDisplay, UnitLabelIsEmptyWhenTheValueHasAText)
{
  IPlugParam level;
  level.DefineDouble("Input level", 0.0, -18.0, 18.0, 0.1, "dB");
  EXPECT_STREQ(level.UnitLabel(), "dB");

  IPlugParam sw;
  sw.DefineBool("Hiss", false, "x");
  EXPECT_STREQ(sw.UnitLabel(), "");
  sw.SetClamped(1.0);
  EXPECT_STREQ(sw.UnitLabel(), "");

  IPlugParam e;
  e.DefineEnum("e", 0, 3, "dB");
  e.AddDisplayText(0, "+0 dB");
  EXPECT_STREQ(e.UnitLabel(), "");
  e.SetClamped(2.0);
  EXPECT_STREQ(e.UnitLabel(), "dB");
}
