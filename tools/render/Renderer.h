#pragma once

#include "AudioFile.h"
#include "ParameterSetting.h"

#include <array>
#include <vector>

// What the editor's meters would have shown while the file played.
struct MeterSummary
{
  int channels = 2;
  std::array<double, 2> peakVu{-20.0, -20.0};  // highest needle reading, in VU
  std::array<long, 2> overs{};                  // samples that lit a clip lamp
  double outputPeakDb = -200.0;
};

struct RenderSettings
{
  std::vector<ParameterSetting> parameters;
  int blockSize = 512;
  bool showProgress = false;
};

// Plays `input` through the plug-in, block by block as a host does while its
// transport runs, and collects the output and the meter readings.
bool RenderThrough(VstHost::PluginInstance& plug, const AudioData& input, const RenderSettings& settings,
                   AudioData& output, MeterSummary& meters, std::string& error);
