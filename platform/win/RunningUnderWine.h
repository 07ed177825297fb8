#pragma once

// Whether this process runs under the Wine compatibility layer, where the
// cached font draws every string from its own glyphs instead of handing it
// to GDI whole. Settled on first need from the registry key Wine keeps under
// HKEY_LOCAL_MACHINE, and kept for the process.
bool RunningUnderWine();

// Whether whole strings may go to GDI: everywhere but under Wine, unless the
// native path was asked for there.
bool NativeTextPathAvailable();
// Lets whole strings go to GDI under Wine too, as on Windows: the tests of
// that path run under Wine. Any thread; the next string drawn follows it.
void TakeNativeTextPathUnderWine(bool take);
