#pragma once

// Whether this process runs under the Wine compatibility layer, where the
// cached font draws every string from its own glyphs instead of handing it
// to GDI whole. Settled on first need from the registry key Wine keeps under
// HKEY_LOCAL_MACHINE, and kept for the process.
bool RunningUnderWine();
