// Before the X headers, which take the name CursorShape for a macro.
#include "graphics/CursorShape.h"

#include "platform/linux/X11Cursors.h"

#include <X11/cursorfont.h>

unsigned int FontCursorFor(int shape)
{
  switch (shape)
  {
  case CursorIBeam:
    return XC_xterm;
  case CursorWait:
  case CursorArrowWait:
    return XC_watch;
  case CursorCross:
    return XC_crosshair;
  case CursorUpArrow:
    return XC_sb_up_arrow;
  case CursorSizeNwSe:
    return XC_bottom_right_corner;
  case CursorSizeNeSw:
    return XC_bottom_left_corner;
  case CursorSizeWe:
    return XC_sb_h_double_arrow;
  case CursorSizeNs:
    return XC_sb_v_double_arrow;
  case CursorSizeAll:
    return XC_fleur;
  case CursorNotAllowed:
    return XC_X_cursor;
  case CursorHand:
    return XC_hand2;
  case CursorHelp:
    return XC_question_arrow;
  default:
    return XC_left_ptr;
  }
}

X11Cursors::~X11Cursors()
{
  Display* display = mConnection.Get();
  for (Cursor cursor : mShapes)
    if (cursor != 0)
      XFreeCursor(display, cursor);
  if (mInvisible != 0)
    XFreeCursor(display, mInvisible);
}

Cursor X11Cursors::ForShape(int shape)
{
  const int index = shape >= 0 && shape < kShapes ? shape : CursorArrow;
  Cursor& cursor = mShapes[static_cast<std::size_t>(index)];
  if (cursor == 0)
    cursor = XCreateFontCursor(mConnection.Get(), FontCursorFor(index));
  return cursor;
}

Cursor X11Cursors::Invisible()
{
  if (mInvisible != 0)
    return mInvisible;
  Display* display = mConnection.Get();
  const char empty[1] = {0};
  const Pixmap blank = XCreateBitmapFromData(display, mConnection.Root(), empty, 1, 1);
  XColor black{};
  mInvisible = XCreatePixmapCursor(display, blank, blank, &black, &black, 0, 0);
  XFreePixmap(display, blank);
  return mInvisible;
}
