#include "ParameterListing.h"

#include "PublishedParameters.h"

#include "tape/EditorLabels.h"

#include <algorithm>

using namespace Steinberg::Vst;
using VstHost::PluginInstance;

namespace
{
std::string WithUnit(const std::string& text, const std::string& units)
{
  return units.empty() ? text : text + " " + units;
}

std::string ValueText(PluginInstance& plug, const PublishedParameter& parameter, double normalized)
{
  const std::string text = DisplayText(plug, parameter.id, normalized);
  return parameter.IsList() ? text : WithUnit(text, parameter.units);
}

std::string EditorLabelOf(ParamID id)
{
  for (const EditorLabel& label : kEditorLabels)
    if (static_cast<ParamID>(label.param) == id)
      return std::string(label.text) + (*label.place ? std::string(" ") + label.place : "");
  return "";
}
}

std::string ParameterList(PluginInstance& plug)
{
  std::string list;
  for (const PublishedParameter& parameter : PublishedParameters(plug))
  {
    const std::string label = EditorLabelOf(parameter.id);
    list += parameter.title + (label.empty() ? "" : " (editor: " + label + ")") + "\n    ";
    if (parameter.IsList())
    {
      list += "one of";
      for (size_t choice = 0; choice < parameter.choices.size(); ++choice)
        list += (choice ? ", \"" : " \"") + parameter.choices[choice] + "\"";
      list += "; default \"" + DisplayText(plug, parameter.id, plug.Normalized(parameter.id)) + "\"\n";
    }
    else
    {
      list += "a number from " + DisplayText(plug, parameter.id, 0.0) + " to " +
              WithUnit(DisplayText(plug, parameter.id, 1.0), parameter.units) +
              (parameter.units.empty() ? "" : " (unit " + parameter.units + ")") + "; default " +
              ValueText(plug, parameter, plug.Normalized(parameter.id)) + "\n";
    }
  }
  return list;
}

std::vector<std::string> SettingsInForce(PluginInstance& plug, const std::vector<ParamID>& except)
{
  std::vector<std::string> settings;
  for (const PublishedParameter& parameter : PublishedParameters(plug))
    if (std::find(except.begin(), except.end(), parameter.id) == except.end())
      settings.push_back(parameter.title + "=" + ValueText(plug, parameter, plug.Normalized(parameter.id)));
  return settings;
}
