#pragma once

// The keys a control may be offered.
enum KeyNumber : int
{
  KeySpace = 0,
  KeyUp = 1,
  KeyDown = 2,
  KeyLeft = 3,
  KeyRight = 4,
  // KeyDigit0 + d for the digit d.
  KeyDigit0 = 5,
  // KeyLetterA + i for the i-th letter of A..Z.
  KeyLetterA = 15,
};
