#pragma once

#include "platform/linux/X11Connection.h"

#include <array>

// The X cursor-font shape for a CursorShape number; the arrow for unknown ones.
unsigned int FontCursorFor(int shape);

// The cursors of one editor window, made on first use.
class X11Cursors
{
public:
  explicit X11Cursors(const X11Connection& connection) : mConnection(connection) {}
  ~X11Cursors();

  X11Cursors(const X11Cursors&) = delete;
  X11Cursors& operator=(const X11Cursors&) = delete;

  Cursor ForShape(int shape);
  // A cursor that shows nothing.
  Cursor Invisible();

private:
  static constexpr int kShapes = 14;

  const X11Connection& mConnection;
  std::array<Cursor, kShapes> mShapes{};
  Cursor mInvisible = 0;
};
