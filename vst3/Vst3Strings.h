#pragma once

#include "pluginterfaces/vst/vsttypes.h"

#include <string>

// A VST 3 string in the SDK's own UTF-16 unit type (wchar_t on Windows).
using Vst3String = std::basic_string<Steinberg::Vst::TChar>;

// The framework's texts are 8-bit; VST 3 strings are UTF-16. Texts widen byte
// by byte and narrow by keeping the low byte of each unit.
void WidenText(const char* text, Steinberg::Vst::String128 out);
Vst3String WidenText(const char* text);
std::string NarrowText(const Steinberg::Vst::TChar* text, int maxLength);
