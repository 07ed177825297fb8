#include "TapeTestSignals.h"
#include "tape/DeckModel.h"
#include "tape/TapeFilters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

using TapeTest::Db;
using TapeTest::StereoBuffer;

struct Landmark
{
  int frequency;
  double expectedDb;
};

struct DeckResponseCase
{
  int deck;
  double sampleRate;
  std::vector<Landmark> landmarks;
};

// The deck stage's small-signal gain (filters, then trim; tanh is linear at
// these levels) at the row's corners, its bell's centre and 1 kHz. Worked out
// with python3 from the cookbook formulas: the product of |H(e^jw)| of the
// high pass, the shelves whose gain is not 0 and the low pass, each designed
// at the stream's rate with the row's numbers, in dB, plus the trim in dB.
// At 96 kHz the corners stay put: the high-pass corner reads as at 44.1 kHz
// (a design at 44.1 kHz would read -14.34 dB at 20 Hz for deck 0).
const DeckResponseCase kDeckResponses[] = {
  {0, 44100, {{20, -4.8795}, {95, -1.3732}, {500, -1.6507}, {1000, -1.8122}, {20000, -0.5623}}},
  {0, 96000, {{20, -4.8795}, {95, -1.3732}, {500, -1.6484}, {1000, -1.8025}, {20000, -0.5620}}},
  {1, 44100, {{40, -4.5870}, {190, -0.9731}, {1000, -1.1440}, {20000, -0.0623}}},
  {1, 96000, {{40, -4.5870}, {190, -0.9729}, {1000, -1.1346}, {20000, -0.0608}}},
  {2, 44100, {{30, 0.1112}, {50, -0.6870}, {100, -2.8106}, {1000, -2.4626}, {5000, -1.2507}, {20000, -3.1013}}},
  {2, 96000, {{30, 0.1112}, {50, -0.6870}, {100, -2.8106}, {1000, -2.4599}, {5000, -1.2677}, {20000, -3.1515}}},
  {3, 44100, {{60, -0.9021}, {100, -1.4196}, {150, -4.6406}, {1000, -2.0380}, {10000, -1.0043}, {20000, -3.1123}}},
  {3, 96000, {{60, -0.9021}, {100, -1.4196}, {150, -4.6406}, {1000, -2.0363}, {10000, -1.1969}, {20000, -3.3020}}},
  {4, 44100, {{20, -1.4684}, {60, 0.1989}, {100, -0.9318}, {1000, -1.0107}, {3000, -1.1002}, {20000, -4.2980}}},
  {4, 96000, {{20, -1.4684}, {60, 0.1989}, {100, -0.9318}, {1000, -1.0113}, {3000, -1.1041}, {20000, -4.2966}}},
  {5, 44100, {{40, -2.2095}, {200, -0.0647}, {1000, -1.0058}, {5000, -1.5003}, {20000, -4.0994}}},
  {5, 96000, {{40, -2.2095}, {200, -0.0646}, {1000, -1.0049}, {5000, -1.5172}, {20000, -4.1167}}},
  {6, 44100, {{20, -0.6416}, {60, 0.5200}, {1000, -0.9966}, {3500, -1.0994}, {20000, -4.2979}}},
  {6, 96000, {{20, -0.6416}, {60, 0.5200}, {1000, -0.9972}, {3500, -1.1053}, {20000, -4.2960}}},
  {7, 44100, {{40, -1.5003}, {120, -0.1800}, {1000, -1.4602}, {15000, -1.0349}, {20000, -4.4741}}},
  {7, 96000, {{40, -1.5003}, {120, -0.1800}, {1000, -1.4621}, {15000, -1.9872}, {20000, -4.3157}}},
};

// Feeds a sum of small sines, one per landmark (whole hertz, so each has a
// whole number of cycles in a second), lets one second settle and reads each
// tone's gain over the next.
TEST(DeckModel, SmallSignalResponseMatchesTheRowAtTheStreamRate)
{
  constexpr double kToneAmplitude = 1e-3;
  for (const DeckResponseCase& c : kDeckResponses)
  {
    SCOPED_TRACE(std::string(DeckNames[c.deck]) + " at " + std::to_string(static_cast<int>(c.sampleRate)));
    const int second = static_cast<int>(c.sampleRate);
    StereoBuffer buffer(2 * second);
    for (const Landmark& landmark : c.landmarks)
      TapeTest::AddSine(buffer.left, kToneAmplitude, landmark.frequency, c.sampleRate);
    buffer.right = buffer.left;

    // The plug-in's order: the deck is chosen first, the stream's rate comes later.
    DeckModel deck;
    deck.SelectDeck(c.deck);
    deck.SetSampleRate(c.sampleRate);
    deck.RunDeckChain(buffer.Channels(), buffer.Length());

    for (const Landmark& landmark : c.landmarks)
    {
      SCOPED_TRACE(landmark.frequency);
      const double left = TapeTest::ToneAmplitude(buffer.left, second, 2 * second, landmark.frequency, c.sampleRate);
      const double right = TapeTest::ToneAmplitude(buffer.right, second, 2 * second, landmark.frequency, c.sampleRate);
      EXPECT_NEAR(Db(left / kToneAmplitude), landmark.expectedDb, 0.01);
      EXPECT_NEAR(Db(right / kToneAmplitude), landmark.expectedDb, 0.01);
    }
  }
}

// tanh bounds each channel to +-1 before the trim, whatever the level.
TEST(DeckModel, SaturationNeverExceedsTheTrim)
{
  for (int d = 0; d < kDeckCount; ++d)
  {
    SCOPED_TRACE(DeckNames[d]);
    StereoBuffer buffer(44100);
    TapeTest::AddSine(buffer.left, 1000, 50, 44100);
    TapeTest::AddSine(buffer.right, 30, 3000, 44100);
    DeckModel deck;
    deck.SelectDeck(d);
    deck.RunDeckChain(buffer.Channels(), buffer.Length());

    // Trim as a plain power of ten, independent of the engine's conversion.
    const double trim = std::pow(10, DeckTable[d].trimDb / 20);
    double loudest = 0;
    for (int i = 0; i < buffer.Length(); ++i)
      loudest = std::max({loudest, std::fabs(buffer.left[i]), std::fabs(buffer.right[i])});
    EXPECT_LE(loudest, trim * (1 + 1e-12));  // the engine converts dB with a 13-digit constant
    EXPECT_GT(loudest, trim * 0.999);
  }
}

// Filter histories: a new deck (even the same one) starts from silence, a new
// stream rate does not.
TEST(DeckModel, SelectDeckClearsTheHistoryAndSetSampleRateKeepsIt)
{
  constexpr int kBlock = 1000;  // even, so the anti-denormal offsets stay in step
  StereoBuffer first(kBlock);
  StereoBuffer second(kBlock);
  TapeTest::AddSine(first.left, 0.3, 440, 44100);
  TapeTest::AddSine(second.left, 0.2, 97, 44100);
  first.right = first.left;
  second.right = second.left;

  auto secondBlockAfter = [&](auto&& betweenBlocks) {
    DeckModel deck;
    deck.SelectDeck(2);
    StereoBuffer a = first;
    deck.RunDeckChain(a.Channels(), kBlock);
    betweenBlocks(deck);
    StereoBuffer b = second;
    deck.RunDeckChain(b.Channels(), kBlock);
    return b.left;
  };

  DeckModel fresh;
  fresh.SelectDeck(2);
  StereoBuffer alone = second;
  fresh.RunDeckChain(alone.Channels(), kBlock);

  EXPECT_EQ(secondBlockAfter([](DeckModel& deck) { deck.SelectDeck(2); }), alone.left);

  const std::vector<double> continued = secondBlockAfter([](DeckModel&) {});
  EXPECT_EQ(secondBlockAfter([](DeckModel& deck) { deck.SetSampleRate(44100); }), continued);
  EXPECT_NE(continued, alone.left);
}

TEST(DeckModel, OutOfRangeDecksAreHeldToTheTable)
{
  DeckModel deck;
  deck.SelectDeck(-3);
  EXPECT_EQ(deck.SelectedDeck(), 0);
  deck.SelectDeck(8);
  EXPECT_EQ(deck.SelectedDeck(), kDeckCount - 1);
  deck.SelectDeck(5);
  EXPECT_EQ(deck.SelectedDeck(), 5);
}

// Every deck at every supported rate: a loud burst, then silence that must
// die away (a filter designed past half the rate would ring up or go NaN).
TEST(DeckModel, EveryDeckIsStableAtEveryRate)
{
  for (double sampleRate : {11025.0, 16000.0, 22050.0, 44100.0, 48000.0, 96000.0, 192000.0})
  {
    for (int d = 0; d < kDeckCount; ++d)
    {
      SCOPED_TRACE(std::string(DeckNames[d]) + " at " + std::to_string(static_cast<int>(sampleRate)));
      StereoBuffer buffer = TapeTest::BurstThenSilence(sampleRate, 0.5, 0.2, 0.5, 0.45);

      DeckModel deck;
      deck.SetSampleRate(sampleRate);
      deck.SelectDeck(d);
      deck.RunDeckChain(buffer.Channels(), buffer.Length());

      const TapeTest::BurstAftermath after = TapeTest::AftermathOf(buffer);
      EXPECT_TRUE(after.allFinite);
      EXPECT_LT(after.tailPeak, 1e-6);
    }
  }
}

struct CornerCase
{
  double frequency;
  double sampleRate;
  double expected;
};

TEST(TapeFilters, CornersAtOrAboveHalfTheRateAreHeldJustBelowIt)
{
  const CornerCase cases[] = {
    {20000, 44100, 20000},      // the table's highest corner is untouched at 44.1 kHz
    {20000, 48000, 20000},
    {15000, 96000, 15000},
    {10000, 16000, 7840},       // 0.49 * 16000
    {15000, 22050, 10804.5},    // 0.49 * 22050
    {20000, 22050, 10804.5},
    {5000, 11025, 5000},
    {5500, 11025, 5402.25},     // just below half the rate is held too
  };
  for (const CornerCase& c : cases)
  {
    SCOPED_TRACE(c.frequency);
    EXPECT_DOUBLE_EQ(StableCornerFrequency(c.frequency, c.sampleRate), c.expected);
    EXPECT_DOUBLE_EQ(PassParams(c.sampleRate, c.frequency, 0.7)[1], c.expected);
    EXPECT_DOUBLE_EQ(ShelfParams(c.sampleRate, c.frequency, 3, 0.7)[1], c.expected);
  }
}

}  // namespace
