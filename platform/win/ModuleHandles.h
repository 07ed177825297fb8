#pragma once

#include <windows.h>

// The module handles of the plug-in module: the one Windows hands to its
// entry point, and the one the editor loads its pictures and font from.

// The entry point, on process attach.
void RememberModuleHandle(HMODULE module);
// InitDll: resources come from the module handle from now on.
void UseModuleHandleForResources();

// The module this code is linked into: the handle the entry point was given,
// or, in a program without that entry point, the module holding this code.
HMODULE ModuleHandle();
// Where resources are looked up. Until InitDll runs (a host need not call
// it, and a test program has none) that is ModuleHandle(), so the pictures
// never end up being searched for in the host's executable.
HMODULE ResourceModuleHandle();
