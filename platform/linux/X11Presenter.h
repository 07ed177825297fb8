#pragma once

#include "core/IRectI.h"
#include "platform/linux/X11Connection.h"

#include <cstdint>
#include <vector>

class LICE_IBitmap;

// Copies 32-bit pixels (0xAARRGGBB, alpha ignored) to a window of the
// connection's true-colour visual, stretched by the display scale when it is
// not 1 (each window pixel shows the editor pixel it falls in).
class X11Presenter
{
public:
  X11Presenter(const X11Connection& connection, Drawable target);
  ~X11Presenter();

  X11Presenter(const X11Presenter&) = delete;
  X11Presenter& operator=(const X11Presenter&) = delete;

  // Editor pixels `region` of `source` to the window pixels they cover.
  void Present(LICE_IBitmap& source, const IRectI& region, double scale);

private:
  void PutPixels(char* pixels, int rowPixels, int rows, int sourceX, int sourceY, const IRectI& target);

  const X11Connection& mConnection;
  Drawable mTarget;
  GC mGc;
  std::vector<std::uint32_t> mStretched;
};
