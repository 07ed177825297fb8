#pragma once

// Where the in-place value entry stands; the redraw timer acts on it.
enum class TextEntryState
{
  // Open, nothing pending.
  Idle = 0,
  // The field took the keyboard focus back after losing it: the editor
  // pauses its own handling and redrawing, except that a left or right press
  // in the editor cancels.
  Focused = 1,
  // The last tick repainted the editor around the open field.
  JustOpened = 2,
  // Close without applying at the next tick.
  Cancel = 3,
  // Apply and close at the next tick.
  Commit = 4,
};
