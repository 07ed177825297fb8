#include "TestRunLoop.h"

#include <algorithm>
#include <poll.h>

bool TestLoopState::Pump(std::chrono::milliseconds limit, const std::function<bool()>& done)
{
  using Clock = std::chrono::steady_clock;
  const auto end = Clock::now() + limit;
  auto nextTick = Clock::now() + std::chrono::milliseconds(periodMs);
  for (;;)
  {
    if (done && done())
      return true;
    const auto now = Clock::now();
    if (now >= end)
      return false;
    const auto wake = std::min(end, nextTick);
    const int timeout = static_cast<int>(
      std::clamp<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(wake - now).count(), 0, 10));
    pollfd watched{fd, POLLIN, 0};
    const bool watching = callDescriptor && fd >= 0;
    poll(&watched, watching ? 1 : 0, timeout);
    if (watching && (watched.revents & POLLIN) != 0 && onReadable)
    {
      // A copy: the callback may stop the loop and drop its own function.
      const std::function<void()> callback = onReadable;
      callback();
    }
    if (Clock::now() >= nextTick && onTick)
    {
      nextTick = Clock::now() + std::chrono::milliseconds(periodMs);
      const std::function<void()> callback = onTick;
      callback();
    }
  }
}
