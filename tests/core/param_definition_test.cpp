#include "core/IPlugParam.h"

#include <gtest/gtest.h>

TEST(ParamDefinition, FreshParameterHasNoKindAndUnitRange)
{
  IPlugParam p;
  EXPECT_EQ(p.Kind(), KindNone);
  EXPECT_EQ(p.Min(), 0.0);
  EXPECT_EQ(p.Max(), 1.0);
  EXPECT_EQ(p.Step(), 1.0);
  EXPECT_EQ(p.Shape(), 1.0);
}

TEST(ParamDefinition, PrecisionFollowsTheStepsDecimals)
{
  struct Case { double step; int precision; };
  const Case cases[] = {{1.0, 0}, {0.1, 1}, {0.01, 2}, {0.001, 3}, {0.25, 2}, {1e-7, 6}, {2.0, 0}};
  for (const Case& c : cases)
  {
    IPlugParam p;
    p.DefineDouble("x", 0.0, 0.0, 10.0, c.step);
    EXPECT_EQ(p.Precision(), c.precision) << "step " << c.step;
  }
}

TEST(ParamDefinition, RangeNarrowerThanOneStepWidensToOneStep)
{
  IPlugParam p;
  p.DefineDouble("x", 5.0, 5.0, 5.05, 0.1);
  EXPECT_DOUBLE_EQ(p.Max(), 5.1);
  EXPECT_EQ(p.Precision(), 1);
}

TEST(ParamDefinition, ZeroShapeKeepsThePreviousShape)
{
  IPlugParam p;
  p.DefineDouble("x", 0.0, 0.0, 1.0, 0.1, "", "", 0.0);
  EXPECT_EQ(p.Shape(), 1.0);
  p.DefineDouble("x", 0.0, 0.0, 1.0, 0.1, "", "", 3.0);
  p.DefineDouble("x", 0.0, 0.0, 1.0, 0.1, "", "", 0.0);
  EXPECT_EQ(p.Shape(), 3.0);
}

TEST(ParamDefinition, BoolAndEnumUseATenthStepAndKeepTheirFirstKind)
{
  IPlugParam b;
  b.DefineBool("Hiss", true);
  EXPECT_EQ(b.Kind(), KindBool);
  EXPECT_EQ(b.Value(), 1.0);
  EXPECT_EQ(b.Step(), 0.1);
  EXPECT_EQ(b.Precision(), 1);
  EXPECT_EQ(b.DisplayTextCount(), 2);
  EXPECT_STREQ(b.DisplayTextFor(0), "off");
  EXPECT_STREQ(b.DisplayTextFor(1), "on");

  IPlugParam e;
  e.DefineEnum("Deck type", 2, 8);
  EXPECT_EQ(e.Kind(), KindEnum);
  EXPECT_EQ(e.Max(), 7.0);
  EXPECT_EQ(e.Value(), 2.0);
  e.DefineDouble("again", 0.0, 0.0, 3.0, 1.0);
  EXPECT_EQ(e.Kind(), KindEnum);
}

TEST(ParamDefinition, LongTextsAreCutToTheirField)
{
  IPlugParam p;
  const std::string longName(40, 'n');
  p.DefineDouble(longName.c_str(), 0.0, 0.0, 1.0, 0.1, "dB");
  p.AddDisplayText(0, longName.c_str());
  EXPECT_EQ(std::string(p.Name()), std::string(31, 'n'));
  EXPECT_EQ(std::string(p.DisplayTextFor(0)), std::string(31, 'n'));
}
