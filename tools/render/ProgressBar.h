#pragma once

#include <cstdint>

// A bar on the terminal for renders long enough to wait for; nothing when
// standard error is not a terminal, or the length is unknown or short.
class ProgressBar
{
public:
  ProgressBar(bool wanted, std::int64_t totalFrames, double sampleRate);
  ~ProgressBar();
  ProgressBar(const ProgressBar&) = delete;
  ProgressBar& operator=(const ProgressBar&) = delete;

  void Show(std::int64_t done, std::int64_t total);

private:
  bool mShown;
  int mLastPercent = -1;
};
