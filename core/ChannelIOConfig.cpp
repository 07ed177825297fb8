#include "ChannelIOConfig.h"

#include <cstdio>
#include <cstring>

std::vector<ChannelIOConfig> ParseChannelIO(const char* text)
{
  std::vector<ChannelIOConfig> configs;
  if (!text)
    return configs;
  for (const char* token = text;;)
  {
    ChannelIOConfig config;
    // A partial match keeps whatever count it read; the rest stay 0.
    std::sscanf(token, "%d-%d", &config.inputs, &config.outputs);
    configs.push_back(config);
    const char* space = std::strchr(token, ' ');
    if (!space)
      break;
    token = space + 1;
  }
  return configs;
}
