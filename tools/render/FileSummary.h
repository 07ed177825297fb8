#pragma once

#include "MeterReadings.h"

#include <cstdint>
#include <string>
#include <vector>

// The one line printed for each file written: its name, length, channels,
// rate and format, what the meters showed, and any note on the format.
std::string SummaryLine(const std::string& path, std::int64_t frames, double sampleRate, const std::string& format,
                        const MeterSummary& meters, const std::vector<std::string>& notes);
