#include "CommandLine.h"

#include "DecimalNumber.h"
#include "NameSuggestions.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>

namespace fs = std::filesystem;

namespace
{
constexpr int kLargestBlock = 65536;

bool SetAction(RenderRequest& request, ToolAction action)
{
  request.action = action;
  return true;
}

bool TakeSet(RenderRequest& request, const std::string& value, std::string& error)
{
  if (value.find('=') == std::string::npos)
  {
    error = "a setting reads \"Name=value\", not \"" + value + "\"";
    return false;
  }
  request.settings.push_back(value);
  return true;
}

bool TakeBits(RenderRequest& request, const std::string& value, std::string& error)
{
  if (value == "16")
    request.bits = SampleBits::Int16;
  else if (value == "24")
    request.bits = SampleBits::Int24;
  else if (value == "float" || value == "32")
    request.bits = SampleBits::Float;
  else
    error = "--bits takes 16, 24 or float, not \"" + value + "\"";
  return request.bits.has_value();
}

bool TakeFormat(RenderRequest& request, const std::string& value, std::string& error)
{
  if (const int container = ContainerNamed(value))
    request.container = container;
  else
    error = "--format takes wav, aiff or flac, not \"" + value + "\"";
  return request.container.has_value();
}

bool TakeBlock(RenderRequest& request, const std::string& value, std::string& error)
{
  const std::optional<int> frames = ParseWholeNumber(value);
  if (!frames || *frames < 1 || *frames > kLargestBlock)
  {
    error = "--block takes a whole number of frames from 1 to " + std::to_string(kLargestBlock) + ", not \"" +
            value + "\"";
    return false;
  }
  request.blockFrames = *frames;
  return true;
}

bool TakeScale(RenderRequest& request, const std::string& value, std::string& error)
{
  const std::optional<double> scale = ParseDecimal(value);
  if (!scale || *scale < 1.0 || *scale > 4.0)
  {
    error = "--scale takes a display scale from 1 to 4, not \"" + value + "\"";
    return false;
  }
  request.scale = *scale;
  return true;
}

bool TakeEditor(RenderRequest& request, const std::string& value, std::string& error)
{
  if (fs::path(value).extension() != ".png" && fs::path(value).extension() != ".PNG")
  {
    error = "--editor draws a PNG picture; name it .png, not \"" + value + "\"";
    return false;
  }
  request.editorPicture = value;
  return SetAction(request, ToolAction::Editor);
}

constexpr std::array kOptions{
  OptionSpec{"--set", "\"Name=value\"",
             "set a parameter, named as --list-params lists it, to a value as the editor shows it: "
             "\"Deck type=Swiss 30 IPS\", \"Input level=6 dB\", \"Bias level=+6 dB\". All the --set values "
             "make one stated state: each named parameter gets its value whatever the order, the others "
             "their defaults (with \"Output compensation\" on, a level not named follows the named one)",
             true, TakeSet},
  OptionSpec{"--all-decks", "DIR", "render once through every deck type into DIR, as NAME-DECK.EXT", false,
             [](RenderRequest& r, const std::string& v, std::string&) {
               r.folder = v;
               return SetAction(r, ToolAction::AllDecks);
             }},
  OptionSpec{"--out-dir", "DIR", "render each INPUT into DIR under its own name", false,
             [](RenderRequest& r, const std::string& v, std::string&) {
               r.folder = v;
               return SetAction(r, ToolAction::OutDir);
             }},
  OptionSpec{"--format", "wav|aiff|flac",
             "the type of the files written (default: OUTPUT's extension; for --out-dir and --all-decks the "
             "input's type); needed for an OUTPUT without one, such as /dev/null",
             false, TakeFormat},
  OptionSpec{"--bits", "16|24|float",
             "sample format of the output (default: the input's where the file type holds it, else the nearest: "
             "float and 32-bit become 24-bit in FLAC, u-law and a-law 16-bit)",
             false, TakeBits},
  OptionSpec{"--no-dither", "", "round 16- and 8-bit output without the TPDF dither it gets otherwise", false,
             [](RenderRequest& r, const std::string&, std::string&) {
               r.dither = false;
               return true;
             }},
  OptionSpec{"--block", "N", "block size in frames, 1 to 65536 (default 512)", false, TakeBlock},
  OptionSpec{"--editor", "FILE.png",
             "draw the plug-in's editor, with the settings and the meters after a second of the "
             "demonstration, into a PNG picture",
             false, TakeEditor},
  OptionSpec{"--gui", "",
             "open the editor in a window, as a host would, with the meters following the demonstration "
             "played silently in real time (needs an X display; close the window or press Escape to quit)",
             false, [](RenderRequest& r, const std::string&, std::string&) { return SetAction(r, ToolAction::Gui); }},
  OptionSpec{"--scale", "S",
             "draw the editor at display scale S (1 to 4, e.g. 2 for a 1520 x 900 picture or window), as a host "
             "sends it its content scale factor",
             false, TakeScale},
  OptionSpec{"--list-params", "", "list every parameter with its range or choices, its unit and its default",
             false,
             [](RenderRequest& r, const std::string&, std::string&) { return SetAction(r, ToolAction::ListParams); }},
  OptionSpec{"--version", "", "print the plug-in's version", false,
             [](RenderRequest& r, const std::string&, std::string&) { return SetAction(r, ToolAction::Version); }},
  OptionSpec{"--bundle", "PATH", "the VelkorTape.vst3 bundle to load (default: the one built with the tool, else "
             "~/.vst3/VelkorTape.vst3)",
             false,
             [](RenderRequest& r, const std::string& v, std::string&) {
               r.bundle = v;
               return true;
             }},
  OptionSpec{"--quiet", "", "print no settings, progress bar or summary (warnings and errors still)", false,
             [](RenderRequest& r, const std::string&, std::string&) {
               r.quiet = true;
               return true;
             }},
  OptionSpec{"--help", "", "this text", false,
             [](RenderRequest& r, const std::string&, std::string&) { return SetAction(r, ToolAction::Help); }},
};

const OptionSpec* FindOption(const std::string& name)
{
  const std::string full = name == "-h" ? "--help" : name;
  const auto found = std::find_if(kOptions.begin(), kOptions.end(),
                                  [&](const OptionSpec& option) { return full == option.name; });
  return found == kOptions.end() ? nullptr : &*found;
}

std::string UnknownOption(const std::string& name)
{
  std::vector<std::string> names;
  for (const OptionSpec& option : kOptions)
    names.emplace_back(option.name);
  const std::vector<std::string> nearest = NearestNames(name, names, 1);
  return "unknown option " + name + (nearest.empty() ? "" : "; did you mean " + nearest[0] + "?") + " (see --help)";
}

bool IsOption(const std::string& arg)
{
  return arg.size() > 1 && arg[0] == '-';
}

// The actions that replace rendering, with what goes with them.
bool CheckOptions(const RenderRequest& request, std::string& error)
{
  std::vector<std::string> actions;
  for (const char* option : {"--all-decks", "--out-dir", "--editor", "--gui", "--list-params", "--version"})
    if (request.Gave(option))
      actions.emplace_back(option);
  if (actions.size() > 1)
  {
    error = actions[0] + " and " + actions[1] + " do not go together";
    return false;
  }
  const bool renders = request.action == ToolAction::Render || request.action == ToolAction::AllDecks ||
                       request.action == ToolAction::OutDir;
  const bool showsEditor = request.action == ToolAction::Editor || request.action == ToolAction::Gui;
  if (request.Gave("--scale") && !showsEditor)
  {
    error = "--scale goes with --editor or --gui";
    return false;
  }
  if (renders)
    return true;
  for (const char* audioOption : {"--bits", "--no-dither", "--block", "--format"})
    if (request.Gave(audioOption))
    {
      error = std::string(audioOption) + " has no use with " + actions[0];
      return false;
    }
  if (!request.files.empty())
  {
    error = actions[0] + " takes no audio files";
    return false;
  }
  if ((request.action == ToolAction::ListParams || request.action == ToolAction::Version) &&
      !request.settings.empty())
  {
    error = actions[0] + " takes no --set";
    return false;
  }
  return true;
}

// What the names given without an option mean for the action.
bool CheckFiles(const RenderRequest& request, std::string& error)
{
  const std::vector<std::string>& files = request.files;
  switch (request.action)
  {
    case ToolAction::Render:
      if (files.empty())
        error = "name an OUTPUT file, with the INPUT before it (see --help)";
      else if (files.size() > 2)
        error = "several INPUTs go with --out-dir DIR (see --help)";
      else if (files.back().empty())
        error = "cannot write '': the file name is empty";
      else if (files.size() == 2 && files[0].empty())
        error = "cannot read '': the file name is empty";
      break;
    case ToolAction::AllDecks:
    case ToolAction::OutDir:
      if (request.action == ToolAction::AllDecks && files.size() > 1)
        error = "--all-decks plays one INPUT (or the demonstration), not " + std::to_string(files.size());
      else if (std::find(files.begin(), files.end(), "") != files.end())
        error = "cannot read '': the file name is empty";
      else if (std::find(files.begin(), files.end(), "-") != files.end())
        error = request.action == ToolAction::AllDecks
                  ? "--all-decks reads its INPUT once per deck; standard input ('-') can be read only once"
                  : "--out-dir names each output after its INPUT; standard input ('-') has no name";
      break;
    default: break;
  }
  return error.empty();
}
}

bool RenderRequest::Gave(const char* option) const
{
  return std::find(optionsGiven.begin(), optionsGiven.end(), option) != optionsGiven.end();
}

std::span<const OptionSpec> OptionTable()
{
  return kOptions;
}

bool ParseCommandLine(int argc, const char* const* argv, RenderRequest& request, std::string& error)
{
  bool optionsEnded = false;
  for (int i = 1; i < argc; ++i)
  {
    const std::string arg = argv[i];
    if (optionsEnded || !IsOption(arg))
    {
      request.files.push_back(arg);
      continue;
    }
    if (arg == "--")
    {
      optionsEnded = true;
      continue;
    }
    const size_t equals = arg.rfind("--", 0) == 0 ? arg.find('=') : std::string::npos;
    const std::string name = arg.substr(0, equals);
    const OptionSpec* option = FindOption(name);
    if (!option)
    {
      error = UnknownOption(name);
      return false;
    }
    if (!option->repeatable && request.Gave(option->name))
    {
      error = std::string(option->name) + " is given twice";
      return false;
    }
    request.optionsGiven.emplace_back(option->name);

    std::string value;
    if (!*option->value)
    {
      if (equals != std::string::npos)
      {
        error = std::string(option->name) + " takes no value";
        return false;
      }
    }
    else if (equals != std::string::npos)
      value = arg.substr(equals + 1);
    else if (i + 1 < argc && !(std::strncmp(argv[i + 1], "--", 2) == 0 && argv[i + 1][2] != '\0'))
      value = argv[++i];
    else
    {
      error = std::string(option->name) + " needs " + option->value +
              (i + 1 < argc ? std::string(", not the option ") + argv[i + 1] : std::string());
      return false;
    }
    if (*option->value && value.empty())
    {
      error = std::string(option->name) + " needs " + option->value + ", not an empty text";
      return false;
    }
    if (!option->take(request, value, error))
      return false;
  }
  return request.action == ToolAction::Help || (CheckOptions(request, error) && CheckFiles(request, error));
}
