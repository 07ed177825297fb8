#include "DemoSignal.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace
{
constexpr double kPi = 3.141592653589793;
constexpr double kTempo = 112.0;  // beats per minute
// Mixed so that the loud passages read around 0 VU, like a well-recorded track.
constexpr double kMixLevel = 0.3;

double NoteFrequency(int midiNote)
{
  return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

// A small deterministic noise source, so every run renders the same file.
class Noise
{
public:
  double Next()
  {
    mState = mState * 1664525u + 1013904223u;
    return static_cast<double>(mState >> 8) / 8388608.0 - 1.0;
  }

private:
  uint32_t mState = 22222;
};

struct Voices
{
  // Am - F - C - G, one chord per bar, with the bass on the root.
  static constexpr int kChords[4][3] = {{57, 60, 64}, {53, 57, 60}, {48, 52, 55}, {55, 59, 62}};
  static constexpr int kBass[4] = {33, 29, 36, 31};
};
}

std::vector<std::vector<float>> MakeDemoSignal(double sampleRate, double seconds)
{
  const auto frames = static_cast<size_t>(std::max(0.0, seconds) * sampleRate);
  std::vector<std::vector<float>> channels(2, std::vector<float>(frames));
  const double beat = 60.0 / kTempo;
  Noise noise;
  double previousWhite = 0.0;

  for (size_t i = 0; i < frames; ++i)
  {
    const double t = static_cast<double>(i) / sampleRate;
    const double beats = t / beat;
    const int bar = static_cast<int>(beats / 4.0) % 4;
    const double inBeat = std::fmod(beats, 1.0) * beat;        // seconds since the beat
    const double inEighth = std::fmod(beats * 2.0, 1.0) * beat / 2.0;
    const int beatOfBar = static_cast<int>(std::fmod(beats, 4.0));

    // Bass: a plucked sawtooth-like tone on every eighth.
    const double bassFreq = NoteFrequency(Voices::kBass[bar]);
    double bass = 0.0;
    for (int h = 1; h <= 6; ++h)
      bass += std::sin(2.0 * kPi * bassFreq * h * t) / h;
    bass *= 0.22 * std::exp(-inEighth * 6.0);

    // Pad: the chord, softly detuned between the channels.
    double padLeft = 0.0, padRight = 0.0;
    for (int note : Voices::kChords[bar])
    {
      const double f = NoteFrequency(note);
      padLeft += std::sin(2.0 * kPi * f * 0.998 * t) + 0.3 * std::sin(2.0 * kPi * f * 2.0 * t);
      padRight += std::sin(2.0 * kPi * f * 1.002 * t) + 0.3 * std::sin(2.0 * kPi * f * 2.0 * t);
    }
    const double swell = 0.5 + 0.5 * std::sin(2.0 * kPi * t / (4.0 * beat));
    padLeft *= 0.05 * swell;
    padRight *= 0.05 * swell;

    // Kick on every beat: a falling sine.
    const double kickPhase = 2.0 * kPi * (50.0 * inBeat + 60.0 * (1.0 - std::exp(-inBeat * 30.0)) / 30.0);
    const double kick = 0.6 * std::sin(kickPhase) * std::exp(-inBeat * 9.0);

    // Snare on beats 2 and 4: noise and a tone.
    const double white = noise.Next();
    double snare = 0.0;
    if (beatOfBar == 1 || beatOfBar == 3)
      snare = (0.25 * white + 0.2 * std::sin(2.0 * kPi * 190.0 * inBeat)) * std::exp(-inBeat * 18.0);

    // Hi-hat on every eighth: bright noise, a little to the right.
    const double bright = white - previousWhite;
    previousWhite = white;
    const double hat = 0.06 * bright * std::exp(-inEighth * 60.0);

    channels[0][i] = static_cast<float>(kMixLevel * (bass + padLeft + kick + snare + 0.7 * hat));
    channels[1][i] = static_cast<float>(kMixLevel * (bass + padRight + kick + 0.9 * snare + hat));
  }
  return channels;
}
