#pragma once

#include <cmath>

// Decibels and linear gain, with the constants every level computation uses.
inline double DbToAmp(double dB)
{
  return std::exp(dB * 0.1151292546497);
}

inline double AmpToDb(double amp)
{
  return std::log(amp) * 8.685889638065037;
}
