#pragma once

#include "tape/DeckTable.h"
#include "tape/TapeFilters.h"

// The chosen machine's equaliser, followed by a tanh saturation and the
// machine's output trim. Always runs both channels.
class DeckModel
{
public:
  // Designed for deck 0 at 44100 Hz.
  DeckModel();

  // Clears the five filters and designs them from the table row; out-of-range
  // decks are held to the table.
  void SelectDeck(int deck);
  int SelectedDeck() const { return mSelectedDeck; }

  // Redesigns the filters for a new stream rate; their history carries on.
  void SetSampleRate(double sampleRate);

  void RunDeckChain(double* const* channels, int sampleCount);

private:
  void DesignFilters();

  double mDesignSampleRate = 44100;
  int mSelectedDeck = 0;
  double mTrimGain = 1;
  StereoHighPass mHighPass;
  StereoLowShelf mLowShelf;
  StereoBandShelf mBandShelf;
  StereoHighShelf mHighShelf;
  StereoLowPass mLowPass;
};
