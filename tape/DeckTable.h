#pragma once

#include <array>

// One machine's equaliser and output trim. A shelf whose gain is 0 dB does
// not run.
struct DeckSetting
{
  double highPassHz;
  double highPassQ;
  double lowShelfHz;
  double lowShelfSlope;
  double lowShelfDb;
  double bandShelfHz;
  double bandShelfOctaves;
  double bandShelfDb;
  double highShelfHz;
  double highShelfSlope;
  double highShelfDb;
  double lowPassHz;
  double lowPassQ;
  double trimDb;
};

constexpr int kDeckCount = 8;

// Indexed by the "Deck type" value.
extern const std::array<DeckSetting, kDeckCount> DeckTable;
extern const std::array<const char*, kDeckCount> DeckNames;
