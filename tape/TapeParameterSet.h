#pragma once

class IPlugBase;

// Defines the tape plug-in's eleven parameters on a plug-in with at least
// that many parameter slots: names, kinds, ranges, defaults and texts.
void DefineTapeParameters(IPlugBase& plug);
