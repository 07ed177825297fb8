#include "ViewRunLoop.h"

// Windows editor windows run on their own message loop and timer.
bool ConnectViewRunLoop(Steinberg::IPlugFrame*, IPlugEditor&) { return true; }

void DisconnectViewRunLoop(IPlugEditor&) {}
