#include "platform/win/VirtualKeys.h"

#include "graphics/KeyNumber.h"

#include <windows.h>

int KeyNumberForVirtualKey(unsigned int virtualKey)
{
  switch (virtualKey)
  {
  case VK_SPACE:
    return KeySpace;
  case VK_UP:
    return KeyUp;
  case VK_DOWN:
    return KeyDown;
  case VK_LEFT:
    return KeyLeft;
  case VK_RIGHT:
    return KeyRight;
  default:
    break;
  }
  // Virtual keys of the digit and letter keys are their ASCII upper-case codes.
  if (virtualKey >= '0' && virtualKey <= '9')
    return KeyDigit0 + static_cast<int>(virtualKey - '0');
  if (virtualKey >= 'A' && virtualKey <= 'Z')
    return KeyLetterA + static_cast<int>(virtualKey - 'A');
  return -1;
}
