#pragma once

#include "core/IPlugParam.h"

class IControl;
class IPlugBase;

// How much of the entry's text is handed on, as the fixed-size texts of the
// core hold it.
constexpr int kCommittedTextLength = 31;

// Whether an entry of a parameter of `kind` lets `character` in: for switch,
// whole-number and choice parameters only signs and digits, for continuous
// ones a decimal point too; other kinds take anything.
bool EntryTakesCharacterOfKind(ParamKind kind, int character);

// What a confirmed text entry means, for the platform's text-entry field.
// With a parameter: for switches and choices the value of the first display
// text equal to `text` (0 when none is); for other parameters the text's
// leading decimal number (0 when there is none), negated for parameters
// shown negated. The value, normalised and clamped, goes to the control as
// the user's choice. Without a parameter the control takes the text itself.
void CommitTextEntry(IControl& control, const IPlugParam* param, const char* text);

// CommitTextEntry sent to the host as a gesture of its own for a control
// bound to a parameter: the press that opened the entry has long been
// released when its text is confirmed.
void CommitTextEntryAsGesture(IPlugBase& plug, IControl& control, const IPlugParam* param, const char* text);

// The plain value `text` stands for, as CommitTextEntry reads it.
double EnteredPlainValue(const IPlugParam& param, const char* text);
