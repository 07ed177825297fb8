#pragma once

#include <X11/Xlib.h>

// The display scale is the desktop's font resolution, Xft.dpi in the X
// server's resource database (the RESOURCE_MANAGER property), over 96 dots
// per inch: 1.5 at 144 dpi. Without a usable setting it is 1.

// From the text of a resource database.
double DisplayScaleFromResources(const char* resources);
// From the resources the server had when `display` was opened.
double DisplayScaleOf(Display* display);
// Through a short-lived connection of its own; 1 without an X server.
double ReadDisplayScale();
