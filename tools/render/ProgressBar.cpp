#include "ProgressBar.h"

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace
{
constexpr double kShownAfterSeconds = 5.0;
constexpr int kWidth = 40;
}

ProgressBar::ProgressBar(bool wanted, std::int64_t totalFrames, double sampleRate)
  : mShown(wanted && isatty(STDERR_FILENO) && static_cast<double>(totalFrames) > kShownAfterSeconds * sampleRate)
{
}

ProgressBar::~ProgressBar()
{
  if (mShown && mLastPercent >= 0)
    std::fputc('\n', stderr);
}

void ProgressBar::Show(std::int64_t done, std::int64_t total)
{
  const int percent = total > 0 ? static_cast<int>(std::min<std::int64_t>(100, 100 * done / total)) : 100;
  if (!mShown || percent == mLastPercent)
    return;
  mLastPercent = percent;
  const int filled = percent * kWidth / 100;
  std::fprintf(stderr, "\r[%.*s%*s] %3d%%", filled, "========================================", kWidth - filled, "",
               percent);
  std::fflush(stderr);
}
