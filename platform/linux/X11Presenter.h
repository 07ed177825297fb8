#pragma once

#include "core/IRectI.h"
#include "platform/linux/X11Connection.h"

class LICE_IBitmap;

// Copies 32-bit pixels (0xAARRGGBB, alpha ignored) to a window of the
// connection's true-colour visual, pixel for pixel: what it shows is drawn
// at the window's scale.
class X11Presenter
{
public:
  X11Presenter(const X11Connection& connection, Drawable target);
  ~X11Presenter();

  X11Presenter(const X11Presenter&) = delete;
  X11Presenter& operator=(const X11Presenter&) = delete;

  // `region` of `source` to the same pixels of the window.
  void Present(LICE_IBitmap& source, const IRectI& region);

private:
  const X11Connection& mConnection;
  Drawable mTarget;
  GC mGc;
};
