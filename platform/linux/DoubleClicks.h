#pragma once

// X reports every press; a second left press soon after the first and close
// to it is a double click. The third press starts a new pair.
class DoubleClicks
{
public:
  static constexpr unsigned long kIntervalMs = 500;
  // Window pixels either way.
  static constexpr int kDistance = 2;

  // Every left press, with the server's time stamp in milliseconds: true
  // when it completes a double click.
  bool Press(int x, int y, unsigned long timeMs);
  // A press of another button breaks a pair.
  void Forget() { mPending = false; }

private:
  bool mPending = false;
  int mX = 0;
  int mY = 0;
  unsigned long mTime = 0;
};
