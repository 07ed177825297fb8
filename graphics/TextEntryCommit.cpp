#include "graphics/TextEntryCommit.h"

#include "core/IPlugBase.h"
#include "graphics/IControl.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>

namespace
{
// The leading decimal number, as atof reads it but whatever the host's
// locale: a decimal comma must not cut "-3.5" to -3.
double LeadingNumber(const char* text)
{
  while (std::isspace(static_cast<unsigned char>(*text)))
    ++text;
  if (*text == '+')
  {
    ++text;
    if (*text == '-')
      return 0.0;
  }
  const char* end = text + std::strlen(text);
  double value = 0.0;
  const std::from_chars_result result = std::from_chars(text, end, value);
  if (result.ec == std::errc::result_out_of_range)
    return *text == '-' ? -HUGE_VAL : HUGE_VAL;
  return result.ec == std::errc() ? value : 0.0;
}

// Display texts belong to the whole values between the parameter's bounds.
double DisplayTextValue(const IPlugParam& param, const char* text)
{
  const int first = static_cast<int>(std::ceil(param.Min()));
  const int last = static_cast<int>(std::floor(param.Max()));
  for (int value = first; value <= last; ++value)
    if (std::strcmp(param.DisplayTextFor(value), text) == 0)
      return value;
  return 0.0;
}
} // namespace

double EnteredPlainValue(const IPlugParam& param, const char* text)
{
  if (param.Kind() == KindBool || param.Kind() == KindEnum)
    return DisplayTextValue(param, text);
  const double value = LeadingNumber(text);
  return param.NegatedDisplay() ? -value : value;
}

void CommitTextEntry(IControl& control, const IPlugParam* param, const char* text)
{
  if (text == nullptr)
    text = "";
  if (param == nullptr)
  {
    control.TakeEnteredText(text);
    return;
  }
  control.TakeUserValue(param->NormalizeValue(EnteredPlainValue(*param, text)));
}

bool EntryTakesCharacterOfKind(ParamKind kind, int character)
{
  const bool signOrDigit = character == '+' || character == '-' || (character >= '0' && character <= '9');
  switch (kind)
  {
  case KindBool:
  case KindInt:
  case KindEnum:
    return signOrDigit;
  case KindDouble:
    return signOrDigit || character == '.';
  default:
    return true;
  }
}

void CommitTextEntryAsGesture(IPlugBase& plug, IControl& control, const IPlugParam* param, const char* text)
{
  const int paramIdx = control.ParamIdx();
  const bool gesture = param != nullptr && paramIdx >= 0;
  if (gesture)
    plug.BeginInformHostOfParamChange(paramIdx);
  CommitTextEntry(control, param, text);
  if (gesture)
    plug.EndInformHostOfParamChange(paramIdx);
}
