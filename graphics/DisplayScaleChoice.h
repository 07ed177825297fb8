#pragma once

#include <algorithm>
#include <cmath>

// Which display scale the editor draws at: the host's content scale factor
// once the host has given one, otherwise the system's scale (Xft.dpi / 96 on
// Linux, the window's dots per inch / 96 on Windows). The two are never
// multiplied.
//
// Why the host's factor wins, every time it is given: the host knows which
// screen its window is on and lays out the room it gives the editor with its
// factor, so a size taken from the system's setting is cropped or left with
// a border there. A factor is a scale of its own, not one on top of the
// system's: some per-monitor aware Windows hosts send the monitor's scale for
// a window that already has that many dots per inch, and some Linux hosts
// with a 200 % screen send 2 where Xft.dpi says 192; multiplied, either would
// show the editor at the square of its scale. Hosts that first send 1 and
// the real factor later, or send it before or after the window opens, or
// again and again, each get the editor at the factor they sent last. A host
// that never sends one keeps the system's scale.
class DisplayScaleChoice
{
public:
  static constexpr double kLowestFactor = 1.0;
  static constexpr double kHighestFactor = 4.0;

  // Takes the host's factor, limited to 1..4; false (and nothing taken) for
  // a factor that is not a number or not above 0.
  bool TakeHostFactor(double factor)
  {
    if (!(factor > 0.0) || !std::isfinite(factor))
      return false;
    mHostFactor = std::clamp(factor, kLowestFactor, kHighestFactor);
    return true;
  }

  bool HasHostFactor() const { return mHostFactor > 0.0; }
  double InForce(double systemScale) const { return HasHostFactor() ? mHostFactor : systemScale; }

private:
  // 0 until the host gives one.
  double mHostFactor = 0.0;
};
