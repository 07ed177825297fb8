#include "vst3/ViewPlatform.h"

// A Windows host hands a window handle; the editor's window runs on its own
// message loop and timer.
const char* const kEditorPlatformType = "HWND";

bool ConnectViewRunLoop(Steinberg::IPlugFrame*, IPlugEditor&) { return true; }

void DisconnectViewRunLoop(IPlugEditor&) {}
