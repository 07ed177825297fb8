#include "FileSummary.h"

#include <cstdio>

namespace
{
std::string Fixed(double value, int decimals, bool sign = false)
{
  char text[64];
  std::snprintf(text, sizeof text, sign ? "%+.*f" : "%.*f", decimals, value);
  return text;
}

std::string Lamp(long long overs)
{
  return overs ? "lit by " + std::to_string(overs) + (overs == 1 ? " over" : " overs") : "dark";
}
}

std::string SummaryLine(const std::string& path, std::int64_t frames, double sampleRate, const std::string& format,
                        const MeterSummary& meters, const std::vector<std::string>& notes)
{
  const bool stereo = meters.channels == 2;
  std::string line = path + ": " + Fixed(static_cast<double>(frames) / sampleRate, 2) + " s of " +
                     (stereo ? "stereo" : "mono") + " at " + Fixed(sampleRate, 0) + " Hz as " + format + "; VU peak " +
                     Fixed(meters.peakVu[0], 1, true);
  if (stereo)
    line += " / " + Fixed(meters.peakVu[1], 1, true);
  line += " VU, clip lamp" + std::string(stereo ? "s " : " ") + Lamp(meters.overs[0]);
  if (stereo)
    line += " / " + Lamp(meters.overs[1]);
  line += ", output peak " + Fixed(meters.OutputPeakDb(), 1) + " dBFS";
  for (const std::string& note : notes)
    line += "; " + note;
  return line;
}
