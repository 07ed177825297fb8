#include "platform/linux/X11KeyMap.h"

#include "graphics/KeyNumber.h"

#include <X11/keysym.h>

int KeyNumberFor(KeySym symbol)
{
  switch (symbol)
  {
  case XK_space:
    return KeySpace;
  case XK_Up:
    return KeyUp;
  case XK_Down:
    return KeyDown;
  case XK_Left:
    return KeyLeft;
  case XK_Right:
    return KeyRight;
  default:
    break;
  }
  if (symbol >= XK_0 && symbol <= XK_9)
    return KeyDigit0 + static_cast<int>(symbol - XK_0);
  if (symbol >= XK_a && symbol <= XK_z)
    return KeyLetterA + static_cast<int>(symbol - XK_a);
  if (symbol >= XK_A && symbol <= XK_Z)
    return KeyLetterA + static_cast<int>(symbol - XK_A);
  return -1;
}
