#pragma once

#include "pluginterfaces/gui/iplugview.h"

class IPlugEditor;

// What the editor view needs of the platform: the kind of parent window a
// host hands it, and the host's event loop, where the platform's window runs
// on it (Linux: Steinberg::Linux::IRunLoop, from the view's frame). Each
// platform provides it under platform/<os>/. Host UI thread.

// The platform type text of the parent window ("X11EmbedWindowID", "HWND").
extern const char* const kEditorPlatformType;

// Hands the loop of `frame` to the editor before its window opens. False
// when the editor needs a loop and the host offers none.
bool ConnectViewRunLoop(Steinberg::IPlugFrame* frame, IPlugEditor& editor);
// Takes it back once the window closed.
void DisconnectViewRunLoop(IPlugEditor& editor);
