#include "ParameterSetting.h"

#include "DecimalNumber.h"
#include "NameSuggestions.h"
#include "PublishedParameters.h"

#include "tape/EditorLabels.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <optional>

using namespace Steinberg;
using namespace Steinberg::Vst;
using VstHost::PluginInstance;

namespace
{
constexpr size_t kSuggestions = 3;

std::string Lower(std::string text)
{
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

// Lower case without spaces: "+6 dB" and "+6dB" read the same.
std::string Compact(const std::string& text)
{
  std::string compact;
  for (unsigned char c : text)
    if (!std::isspace(c))
      compact.push_back(static_cast<char>(std::tolower(c)));
  return compact;
}

std::string Trim(const std::string& text)
{
  const size_t first = text.find_first_not_of(" \t");
  const size_t last = text.find_last_not_of(" \t");
  return first == std::string::npos ? "" : text.substr(first, last - first + 1);
}

std::string Quoted(const std::string& text)
{
  return "\"" + text + "\"";
}

// "a", "a or b", "a, b or c".
std::string Alternatives(const std::vector<std::string>& items)
{
  std::string text;
  for (size_t i = 0; i < items.size(); ++i)
    text += (i == 0 ? "" : i + 1 == items.size() ? " or " : ", ") + items[i];
  return text;
}

std::string Number(double value)
{
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

// A value typed as a number, with whatever follows it.
struct TypedNumber
{
  double value = 0.0;
  std::string rest;
};

std::optional<TypedNumber> SplitNumber(const std::string& text)
{
  const size_t length = DecimalLength(text);
  if (length == 0)
    return std::nullopt;
  const std::optional<double> value = ParseDecimal(std::string_view(text).substr(0, length));
  if (!value)
    return std::nullopt;
  return TypedNumber{*value, Trim(text.substr(length))};
}

// The numbers a choice's text shows, each a word of its own, with the text
// after it ("+6 dB" shows 6 followed by "dB").
std::vector<TypedNumber> NumbersShown(const std::string& text)
{
  std::vector<TypedNumber> numbers;
  for (size_t at = 0; at < text.size(); ++at)
  {
    if (at > 0 && text[at - 1] != ' ')
      continue;
    const size_t length = DecimalLength(std::string_view(text).substr(at));
    if (length == 0 || (at + length < text.size() && text[at + length] != ' '))
      continue;
    if (const std::optional<TypedNumber> number = SplitNumber(text.substr(at)))
      numbers.push_back(*number);
    at += length;
  }
  return numbers;
}

bool ChoiceShows(const std::string& choice, const TypedNumber& typed)
{
  const std::vector<TypedNumber> shown = NumbersShown(choice);
  return std::any_of(shown.begin(), shown.end(), [&](const TypedNumber& number) {
    return number.value == typed.value && (typed.rest.empty() || Compact(number.rest) == Compact(typed.rest));
  });
}

// The numbers that name exactly one choice.
std::vector<std::string> UsableNumbers(const std::vector<std::string>& choices)
{
  std::vector<std::string> usable;
  for (const std::string& choice : choices)
    for (const TypedNumber& number : NumbersShown(choice))
    {
      const TypedNumber bare{number.value, ""};
      const auto naming = std::count_if(choices.begin(), choices.end(),
                                        [&](const std::string& other) { return ChoiceShows(other, bare); });
      if (naming == 1)
        usable.push_back(Number(number.value));
    }
  return usable;
}

std::string UnknownName(const std::string& name, const std::vector<PublishedParameter>& parameters)
{
  std::vector<std::string> titles;
  for (const PublishedParameter& parameter : parameters)
    titles.push_back(parameter.title);
  // Someone reading the editor types its labels: those name the parameters
  // exactly, else the nearest names may.
  std::vector<std::string> suggestions;
  for (const EditorLabel& label : kEditorLabels)
    if (Compact(label.text) == Compact(name))
      suggestions.push_back(kTapeParamNames[label.param]);
  if (suggestions.empty())
    suggestions = NearestNames(name, titles, kSuggestions);
  std::vector<std::string> quoted;
  for (const std::string& suggestion : suggestions)
    quoted.push_back(Quoted(suggestion));
  std::string error = "the plug-in has no parameter " + Quoted(name);
  if (!quoted.empty())
    error += "; did you mean " + Alternatives(quoted) + "?";
  return error + " (--list-params shows them all)";
}

bool ResolveRange(PluginInstance& plug, const PublishedParameter& parameter, const std::string& value,
                  ParameterSetting& setting, std::string& error)
{
  IEditController* controller = plug.Controller();
  const double lowest = controller->normalizedParamToPlain(parameter.id, 0.0);
  const double highest = controller->normalizedParamToPlain(parameter.id, 1.0);
  const std::optional<TypedNumber> number = SplitNumber(value);
  const bool unitFits = number && (number->rest.empty() || (!parameter.units.empty() &&
                                                            Compact(number->rest) == Compact(parameter.units)));
  if (number && unitFits && number->value >= lowest && number->value <= highest)
  {
    setting.normalized = controller->plainParamToNormalized(parameter.id, number->value);
    return true;
  }
  const std::string unit = parameter.units.empty() ? "" : ", with or without " + Quoted(parameter.units);
  const std::string example = parameter.units.empty() ? "" : " (e.g. \"6\", \"6 " + parameter.units + "\")";
  error = Quoted(parameter.title) + " takes a number from " + DisplayText(plug, parameter.id, 0.0) + " to " +
          DisplayText(plug, parameter.id, 1.0) + unit + example + ", not " + Quoted(value);
  return false;
}

bool ResolveChoice(const PublishedParameter& parameter, const std::string& value, ParameterSetting& setting,
                   std::string& error)
{
  const std::vector<std::string>& choices = parameter.choices;
  for (size_t choice = 0; choice < choices.size(); ++choice)
    if (Compact(choices[choice]) == Compact(value))
    {
      setting.normalized = parameter.NormalizedOfChoice(choice);
      return true;
    }

  std::vector<size_t> shown;
  if (const std::optional<TypedNumber> number = SplitNumber(value))
    for (size_t choice = 0; choice < choices.size(); ++choice)
      if (ChoiceShows(choices[choice], *number))
        shown.push_back(choice);
  if (shown.size() == 1)
  {
    setting.normalized = parameter.NormalizedOfChoice(shown[0]);
    return true;
  }

  std::vector<std::string> quoted;
  for (size_t choice : shown.size() > 1 ? shown : std::vector<size_t>{})
    quoted.push_back(Quoted(choices[choice]));
  if (!quoted.empty())
  {
    error = Quoted(parameter.title + "=" + value) + " could be " + Alternatives(quoted) + "; name one";
    return false;
  }
  for (const std::string& choice : choices)
    quoted.push_back(Quoted(choice));
  const std::vector<std::string> numbers = UsableNumbers(choices);
  error = Quoted(parameter.title) + " takes one of " + Alternatives(quoted) +
          (numbers.empty() ? "" : ", or the number shown (" + Alternatives(numbers) + ")") + ", not " +
          Quoted(value);
  return false;
}
}

bool ResolveSetting(PluginInstance& plug, const std::string& text, ParameterSetting& setting, std::string& error)
{
  const size_t equals = text.find('=');
  if (equals == std::string::npos)
  {
    error = "a setting reads \"Name=value\", not " + Quoted(text);
    return false;
  }
  const std::string name = Trim(text.substr(0, equals));
  const std::string value = Trim(text.substr(equals + 1));
  if (name.empty())
  {
    error = "a setting names its parameter before '=': " + Quoted(text);
    return false;
  }
  const std::vector<PublishedParameter> parameters = PublishedParameters(plug);
  const auto found = std::find_if(parameters.begin(), parameters.end(), [&](const PublishedParameter& parameter) {
    return Lower(parameter.title) == Lower(name);
  });
  if (found == parameters.end())
  {
    error = UnknownName(name, parameters);
    return false;
  }
  if (value.empty())
  {
    error = Quoted(found->title) + " needs a value after '='";
    return false;
  }
  setting.id = found->id;
  return found->IsList() ? ResolveChoice(*found, value, setting, error)
                         : ResolveRange(plug, *found, value, setting, error);
}

bool ResolveSettings(PluginInstance& plug, const std::vector<std::string>& texts,
                     std::vector<ParameterSetting>& settings, std::string& error)
{
  settings.clear();
  for (const std::string& text : texts)
  {
    ParameterSetting setting;
    if (!ResolveSetting(plug, text, setting, error))
      return false;
    const auto same = std::find_if(settings.begin(), settings.end(),
                                   [&](const ParameterSetting& other) { return other.id == setting.id; });
    if (same != settings.end())
    {
      error = Quoted(Trim(text.substr(0, text.find('=')))) + " is set twice; state each parameter once";
      return false;
    }
    settings.push_back(setting);
  }
  return true;
}

std::string FileNameSlug(const std::string& text)
{
  std::string slug;
  for (char c : text)
    slug += std::isalnum(static_cast<unsigned char>(c)) ? static_cast<char>(std::tolower(c)) : '-';
  return slug;
}
