#pragma once

// Buttons and modifier keys held during a pointer event.
struct IMouseState
{
  bool left = false;
  bool right = false;
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};
