#pragma once

#include "pluginterfaces/vst/vsttypes.h"

#include <string>

// The framework's texts are 8-bit; VST 3 strings are UTF-16. Texts widen byte
// by byte and narrow by keeping the low byte of each unit.
void WidenText(const char* text, Steinberg::Vst::String128 out);
std::u16string WidenText(const char* text);
std::string NarrowText(const Steinberg::Vst::TChar* text, int maxLength);
