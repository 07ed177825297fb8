#include "ParameterSetting.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

using namespace Steinberg;
using namespace Steinberg::Vst;
using VstHost::PluginInstance;

namespace
{
std::string Narrow(const TChar* text)
{
  std::string narrow;
  for (; *text; ++text)
    narrow.push_back(*text < 128 ? static_cast<char>(*text) : '?');
  return narrow;
}

std::string Lower(std::string text)
{
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

std::string Trim(const std::string& text)
{
  const size_t first = text.find_first_not_of(" \t");
  const size_t last = text.find_last_not_of(" \t");
  return first == std::string::npos ? "" : text.substr(first, last - first + 1);
}

bool FindParameter(PluginInstance& plug, const std::string& name, ParameterInfo& found)
{
  IEditController* controller = plug.Controller();
  for (int32 i = 0; i < controller->getParameterCount(); ++i)
  {
    ParameterInfo info{};
    // The host's own preset and bypass switches are not the plug-in's settings.
    if (controller->getParameterInfo(i, info) == kResultTrue && Lower(Narrow(info.title)) == Lower(name) &&
        !(info.flags & (ParameterInfo::kIsProgramChange | ParameterInfo::kIsBypass)))
    {
      found = info;
      return true;
    }
  }
  return false;
}

std::string Number(double value)
{
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

std::string ListOf(const std::vector<std::string>& texts)
{
  std::string list;
  for (const std::string& text : texts)
    list += (list.empty() ? "\"" : ", \"") + text + "\"";
  return list;
}
}

std::vector<std::string> ListTexts(PluginInstance& plug, ParamID id)
{
  ParameterInfo info{};
  std::vector<std::string> texts;
  IEditController* controller = plug.Controller();
  for (int32 i = 0; i < controller->getParameterCount(); ++i)
    if (controller->getParameterInfo(i, info) == kResultTrue && info.id == id)
      break;
  if (info.id != id || !(info.flags & ParameterInfo::kIsList) || info.stepCount < 1)
    return texts;
  for (int32 step = 0; step <= info.stepCount; ++step)
  {
    String128 text{};
    controller->getParamStringByValue(id, static_cast<double>(step) / info.stepCount, text);
    texts.push_back(Narrow(text));
  }
  return texts;
}

bool ResolveSetting(PluginInstance& plug, const std::string& text, ParameterSetting& setting, std::string& error)
{
  const size_t equals = text.find('=');
  if (equals == std::string::npos)
  {
    error = "a setting reads \"Name=value\", not \"" + text + "\"";
    return false;
  }
  const std::string name = Trim(text.substr(0, equals));
  const std::string value = Trim(text.substr(equals + 1));
  ParameterInfo info{};
  if (!FindParameter(plug, name, info))
  {
    error = "the plug-in has no parameter \"" + name + "\"";
    return false;
  }
  setting.id = info.id;

  const std::vector<std::string> texts = ListTexts(plug, info.id);
  for (size_t step = 0; step < texts.size(); ++step)
  {
    if (Lower(texts[step]) == Lower(value))
    {
      setting.normalized = static_cast<double>(step) / info.stepCount;
      return true;
    }
  }

  char* end = nullptr;
  const double plain = std::strtod(value.c_str(), &end);
  const bool isNumber = !value.empty() && end && *end == '\0' && std::isfinite(plain);
  IEditController* controller = plug.Controller();
  const double lowest = controller->normalizedParamToPlain(info.id, 0.0);
  const double highest = controller->normalizedParamToPlain(info.id, 1.0);
  if (isNumber && !texts.empty() && plain == std::floor(plain) && plain >= 0 && plain < double(texts.size()))
  {
    setting.normalized = plain / info.stepCount;
    return true;
  }
  if (isNumber && texts.empty() && plain >= lowest && plain <= highest)
  {
    setting.normalized = controller->plainParamToNormalized(info.id, plain);
    return true;
  }

  if (!texts.empty())
    error = "\"" + name + "\" takes one of " + ListOf(texts) + ", not \"" + value + "\"";
  else
    error = "\"" + name + "\" takes a number from " + Number(lowest) + " to " + Number(highest) + ", not \"" +
            value + "\"";
  return false;
}

std::string FileNameSlug(const std::string& text)
{
  std::string slug;
  for (char c : text)
    slug += std::isalnum(static_cast<unsigned char>(c)) ? static_cast<char>(std::tolower(c)) : '-';
  return slug;
}
