#pragma once

#include <vector>

// The demonstration the tool plays when given no audio file.
constexpr double kDemoSampleRate = 48000.0;
constexpr double kDemoSeconds = 8.0;

// A few bars of music-like material made in code, so the tool can play the
// plug-in on a machine without audio files: a bass line, a chord pad, a kick,
// a snare and hi-hats, in stereo.
std::vector<std::vector<float>> MakeDemoSignal(double sampleRate, double seconds);
