#pragma once

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <memory>

// Connects to the server DISPLAY names; none when there is none. A server
// busy accepting other clients may refuse a connection for a moment, so a
// refusal is tried again a few times.
Display* OpenXDisplay();

// A private connection to the X server for one editor window, opened, used
// and closed on the host's UI thread. It owns the 24-bit true-colour visual
// the editor's pixels are shown through. X errors on this connection (a
// window the host destroyed under us) are counted instead of ending the
// process; errors on the host's own connections go to the host's handler.
class X11Connection
{
public:
  // None without an X server or without a 24-bit true-colour visual whose
  // pixels read 0xRRGGBB.
  static std::unique_ptr<X11Connection> Open();
  ~X11Connection();

  X11Connection(const X11Connection&) = delete;
  X11Connection& operator=(const X11Connection&) = delete;

  Display* Get() const { return mDisplay; }
  int Fd() const { return ConnectionNumber(mDisplay); }
  Window Root() const { return DefaultRootWindow(mDisplay); }
  Visual* TrueColourVisual() const { return mVisual.visual; }
  int Depth() const { return mVisual.depth; }
  Colormap ColourMap() const { return mColourMap; }
  Atom Intern(const char* name) const { return XInternAtom(mDisplay, name, False); }

  // Errors reported for this connection so far.
  int ErrorCount() const { return mErrorCount; }
  // The top-level window holding `window`: the ancestor that is a child of the root.
  Window TopLevelOf(Window window) const;

private:
  explicit X11Connection(Display* display);
  static int RecordError(Display* display, XErrorEvent* error);

  Display* mDisplay;
  XVisualInfo mVisual{};
  Colormap mColourMap = 0;
  int mErrorCount = 0;
};
