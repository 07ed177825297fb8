#include "core/IPlugParam.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace
{
IPlugParam Level()
{
  IPlugParam p;
  p.DefineDouble("Input level", 0.0, -18.0, 18.0, 0.1, "dB");
  return p;
}
}

TEST(ParamNormalisation, ShapeLawBothWays)
{
  struct Case { double min, max, shape, normalized, plain; };
  // plain = min + n^shape * (max - min), worked by hand.
  const Case cases[] = {
    {0.0, 100.0, 2.0, 0.5, 25.0},
    {0.0, 100.0, 2.0, 0.1, 1.0},
    {-18.0, 18.0, 1.0, 0.25, -9.0},
    {20.0, 20020.0, 3.0, 0.5, 2520.0},
    {0.0, 8.0, 1.0 / 3.0, 0.125, 4.0},
  };
  for (const Case& c : cases)
  {
    IPlugParam p;
    p.DefineDouble("x", c.min, c.min, c.max, 0.001, "", "", c.shape);
    p.SetFromNormalized(c.normalized);
    EXPECT_NEAR(p.Value(), c.plain, 1e-9) << "n " << c.normalized << " shape " << c.shape;
    EXPECT_NEAR(p.Normalized(), c.normalized, 1e-12);
    EXPECT_NEAR(p.NormalizeValue(c.plain), c.normalized, 1e-12);
  }
}

TEST(ParamNormalisation, NormalizeValueClampsToTheRange)
{
  IPlugParam p = Level();
  EXPECT_EQ(p.NormalizeValue(40.0), 1.0);
  EXPECT_EQ(p.NormalizeValue(-40.0), 0.0);
  EXPECT_EQ(p.NormalizeValue(0.0), 0.5);
  EXPECT_EQ(p.NormalizeValue(std::numeric_limits<double>::quiet_NaN()), 0.0);
}

TEST(ParamNormalisation, DoublesAreNotSnappedUnlessTheirStepIsOne)
{
  IPlugParam p = Level();
  p.SetFromNormalized(0.5);
  EXPECT_EQ(p.Value(), 0.0);
  p.SetFromNormalized(0.5 + 0.013 / 36.0);
  EXPECT_NEAR(p.Value(), 0.013, 1e-12);

  IPlugParam whole;
  whole.DefineDouble("Hiss level", -76.0, -100.0, -60.0, 1.0, "dB");
  whole.SetFromNormalized(2.5 / 40.0);  // -97.5
  EXPECT_EQ(whole.Value(), -98.0);      // halves away from zero
  IPlugParam symmetric;
  symmetric.DefineDouble("x", 0.0, -10.0, 10.0, 1.0);
  symmetric.SetFromNormalized(0.625);  // 2.5
  EXPECT_EQ(symmetric.Value(), 3.0);
  symmetric.SetFromNormalized(0.375);  // -2.5
  EXPECT_EQ(symmetric.Value(), -3.0);
}

TEST(ParamNormalisation, HostValuesOutsideTheUnitRangeAreClampedOrIgnored)
{
  struct Case { double normalized; double expected; };
  const Case cases[] = {
    {1.2, 18.0},
    {-0.2, -18.0},
    {-1.0 / 7.0, -18.0},
  };
  for (const Case& c : cases)
  {
    IPlugParam p = Level();
    p.SetFromNormalized(c.normalized);
    EXPECT_EQ(p.Value(), c.expected) << c.normalized;
  }

  IPlugParam p = Level();
  p.SetClamped(6.0);
  for (double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                     -std::numeric_limits<double>::infinity()})
  {
    p.SetFromNormalized(bad);
    EXPECT_EQ(p.Value(), 6.0);
  }
}

TEST(ParamNormalisation, ChoicesBelowZeroNeverLeaveTheirTable)
{
  IPlugParam deck;
  deck.DefineEnum("Deck type", 0, 8);
  deck.SetFromNormalized(-1.0 / 7.0);
  EXPECT_EQ(deck.Value(), 0.0);
}

TEST(ParamNormalisation, SwitchesAndChoicesHoldTheWholeValueTheyShow)
{
  struct Case { int count; double normalized; double expected; };
  const Case cases[] = {
    {2, 0.62, 1.0},  // a switch at 0.62 is on, and shows "on"
    {2, 0.49, 0.0},
    {2, 0.5, 1.0},   // halves up
    {3, 0.5, 1.0},   // "Bias level" at 0.5 is exactly +3 dB
    {3, 0.24, 0.0},
    {8, 3.0 / 7.0, 3.0},
    {8, 0.5, 4.0},   // 3.5 rounds up
    {8, 1.0, 7.0},
  };
  for (const Case& c : cases)
  {
    IPlugParam p;
    if (c.count == 2)
      p.DefineBool("b", false);
    else
      p.DefineEnum("e", 0, c.count);
    p.SetFromNormalized(c.normalized);
    EXPECT_EQ(p.Value(), c.expected) << c.count << " choices at " << c.normalized;
  }
}

TEST(ParamNormalisation, SetClampedClampsBothEnds)
{
  IPlugParam p = Level();
  p.SetClamped(30.0);
  EXPECT_EQ(p.Value(), 18.0);
  p.SetClamped(-30.0);
  EXPECT_EQ(p.Value(), -18.0);
  p.SetClamped(2.25);
  EXPECT_EQ(p.Value(), 2.25);
}

TEST(ParamNormalisation, UndefinedParametersSnapToTheirStep)
{
  IPlugParam none;  // range 0..1, step 1
  none.SetFromNormalized(0.6);
  EXPECT_EQ(none.Value(), 1.0);
  none.SetFromNormalized(0.4);
  EXPECT_EQ(none.Value(), 0.0);
}
