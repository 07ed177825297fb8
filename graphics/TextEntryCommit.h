#pragma once

class IControl;
class IPlugParam;

// What a confirmed text entry means, for the platform's text-entry field.
// With a parameter: for switches and choices the value of the first display
// text equal to `text` (0 when none is); for other parameters the text's
// leading decimal number (0 when there is none), negated for parameters
// shown negated. The value, normalised and clamped, goes to the control as
// the user's choice. Without a parameter the control takes the text itself.
void CommitTextEntry(IControl& control, const IPlugParam* param, const char* text);

// The plain value `text` stands for, as CommitTextEntry reads it.
double EnteredPlainValue(const IPlugParam& param, const char* text);
