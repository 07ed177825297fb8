#pragma once

#include "pluginterfaces/gui/iplugview.h"

class IPlugEditor;

// The host's event loop for the editor window, where the platform's window
// runs on it (Linux: Steinberg::Linux::IRunLoop, from the view's frame).
// Host UI thread.

// Hands the loop of `frame` to the editor before its window opens. False
// when the editor needs a loop and the host offers none.
bool ConnectViewRunLoop(Steinberg::IPlugFrame* frame, IPlugEditor& editor);
// Takes it back once the window closed.
void DisconnectViewRunLoop(IPlugEditor& editor);
