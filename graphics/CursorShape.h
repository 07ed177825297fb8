#pragma once

// Pointer shapes for SetCursorShape; any other number gives the arrow.
enum CursorShape : int
{
  CursorArrow = 0,
  CursorIBeam = 1,
  CursorWait = 2,
  CursorCross = 3,
  CursorUpArrow = 4,
  CursorSizeNwSe = 5,
  CursorSizeNeSw = 6,
  CursorSizeWe = 7,
  CursorSizeNs = 8,
  CursorSizeAll = 9,
  CursorNotAllowed = 10,
  CursorHand = 11,
  CursorArrowWait = 12,
  CursorHelp = 13,
};
