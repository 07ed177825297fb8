#pragma once

#include <vector>

// One legal pair of input and output channel counts.
struct ChannelIOConfig
{
  int inputs = 0;
  int outputs = 0;

  bool operator==(const ChannelIOConfig&) const = default;
};

// Parses a channel I/O string such as "1-1 2-2": space-separated tokens, each
// "inputs-outputs". A token that does not parse leaves its unread counts at 0.
std::vector<ChannelIOConfig> ParseChannelIO(const char* text);
