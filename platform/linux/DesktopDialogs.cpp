#include "platform/linux/DesktopDialogs.h"

#include "graphics/MessageBoxCodes.h"
#include "platform/linux/Subprocess.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <sstream>

namespace
{
// zenity and kdialog end with these when the user answers.
constexpr int kFirstButton = 0;
constexpr int kSecondButton = 1;
constexpr int kKDialogCancel = 2;

struct Buttons
{
  const char* first;
  const char* second;
  // Zenity's extra button (prints its label); kdialog's cancel.
  const char* third;
  int firstAnswer;
  int secondAnswer;
  int thirdAnswer;
};

Buttons ButtonsFor(int type)
{
  switch (type & 0xF)
  {
  case MessageBoxOkCancel:
    return {"OK", "Cancel", nullptr, AnswerOk, AnswerCancel, 0};
  case MessageBoxAbortRetryIgnore:
    return {"Retry", "Ignore", "Abort", AnswerRetry, AnswerIgnore, AnswerAbort};
  case MessageBoxYesNoCancel:
    return {"Yes", "No", "Cancel", AnswerYes, AnswerNo, AnswerCancel};
  case MessageBoxYesNo:
    return {"Yes", "No", nullptr, AnswerYes, AnswerNo, 0};
  case MessageBoxRetryCancel:
    return {"Retry", "Cancel", nullptr, AnswerRetry, AnswerCancel, 0};
  default:
    return {"OK", nullptr, nullptr, AnswerOk, 0, 0};
  }
}

std::string Text(const char* text) { return text != nullptr ? text : ""; }

std::string Hex(const IColorRGBA& colour)
{
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.R & 0xFF, colour.G & 0xFF, colour.B & 0xFF);
  return text;
}

std::string Joined(const std::vector<std::string>& words, const char* separator)
{
  std::string joined;
  for (const std::string& word : words)
    joined += (joined.empty() ? "" : separator) + word;
  return joined;
}

void AddZenityParent(std::vector<std::string>& arguments, unsigned long attachTo)
{
  if (attachTo != 0)
    arguments.push_back("--attach=" + std::to_string(attachTo));
}

void AddKDialogParent(std::vector<std::string>& arguments, unsigned long attachTo)
{
  if (attachTo != 0)
    arguments.insert(arguments.end(), {"--attach", std::to_string(attachTo)});
}

int HexDigits(const std::string& text, std::size_t first, std::size_t count)
{
  int value = 0;
  for (std::size_t i = first; i < first + count; ++i)
  {
    const char c = text[i];
    const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
    if (digit < 0)
      return -1;
    value = value * 16 + digit;
  }
  return value;
}
} // namespace

DesktopHelper FindDesktopHelper()
{
  if (FoundInPath("zenity"))
    return DesktopHelper::Zenity;
  if (FoundInPath("kdialog"))
    return DesktopHelper::KDialog;
  return DesktopHelper::Absent;
}

std::vector<std::string> MessageBoxArguments(DesktopHelper helper, const char* text, const char* caption, int type,
                                             unsigned long attachTo)
{
  const Buttons buttons = ButtonsFor(type);
  std::vector<std::string> arguments;
  if (helper == DesktopHelper::Zenity)
  {
    arguments = {"zenity", buttons.second == nullptr ? "--info" : "--question", "--no-markup",
                 "--title=" + Text(caption), "--text=" + Text(text), std::string("--ok-label=") + buttons.first};
    if (buttons.second != nullptr)
      arguments.push_back(std::string("--cancel-label=") + buttons.second);
    if (buttons.third != nullptr)
      arguments.push_back(std::string("--extra-button=") + buttons.third);
    AddZenityParent(arguments, attachTo);
  }
  else if (helper == DesktopHelper::KDialog)
  {
    arguments = {"kdialog", "--title", Text(caption)};
    if (buttons.second == nullptr)
      arguments.insert(arguments.end(), {"--msgbox", Text(text)});
    else if (buttons.third != nullptr)
      arguments.insert(arguments.end(), {"--yesnocancel", Text(text), "--yes-label", buttons.first, "--no-label",
                                         buttons.second, "--cancel-label", buttons.third});
    else
      arguments.insert(arguments.end(),
                       {"--yesno", Text(text), "--yes-label", buttons.first, "--no-label", buttons.second});
    AddKDialogParent(arguments, attachTo);
  }
  return arguments;
}

int MessageBoxAnswerFor(DesktopHelper helper, int type, int exitStatus, const std::string& output)
{
  const Buttons buttons = ButtonsFor(type);
  // A box with one button answers with it however it is closed.
  if (buttons.second == nullptr)
    return exitStatus == kFirstButton || exitStatus == kSecondButton ? buttons.firstAnswer : MessageBoxFailed;
  if (exitStatus == kFirstButton)
    return buttons.firstAnswer;
  if (helper == DesktopHelper::Zenity && exitStatus == kSecondButton)
  {
    if (buttons.third != nullptr && ChosenPath(output) == buttons.third)
      return buttons.thirdAnswer;
    return buttons.secondAnswer;
  }
  if (helper == DesktopHelper::KDialog && exitStatus == kSecondButton)
    return buttons.secondAnswer;
  if (helper == DesktopHelper::KDialog && exitStatus == kKDialogCancel && buttons.third != nullptr)
    return buttons.thirdAnswer;
  return MessageBoxFailed;
}

std::vector<std::string> ExtensionPatterns(const char* extensions)
{
  std::vector<std::string> patterns;
  std::istringstream words(Text(extensions));
  for (std::string word; words >> word;)
    patterns.push_back("*." + word);
  return patterns;
}

std::string DefaultExtension(const char* extensions)
{
  std::istringstream words(Text(extensions));
  std::string first;
  words >> first;
  return first;
}

std::vector<std::string> FileChooserArguments(DesktopHelper helper, bool save, const std::string& folder,
                                              const std::string& file, const std::vector<std::string>& patterns,
                                              unsigned long attachTo)
{
  std::string start = folder;
  if (!start.empty() && start.back() != '/')
    start += '/';
  start += file;
  std::vector<std::string> arguments;
  if (helper == DesktopHelper::Zenity)
  {
    arguments = {"zenity", "--file-selection", "--filename=" + start};
    if (save)
      arguments.insert(arguments.end(), {"--save", "--confirm-overwrite"});
    if (!patterns.empty())
      arguments.push_back("--file-filter=" + Joined(patterns, ";") + " | " + Joined(patterns, " "));
    AddZenityParent(arguments, attachTo);
  }
  else if (helper == DesktopHelper::KDialog)
  {
    arguments = {"kdialog", save ? "--getsavefilename" : "--getopenfilename", start};
    if (!patterns.empty())
      arguments.push_back(Joined(patterns, " "));
    AddKDialogParent(arguments, attachTo);
  }
  return arguments;
}

std::string ChosenPath(const std::string& output)
{
  return output.substr(0, output.find('\n'));
}

std::vector<std::string> ColourChooserArguments(DesktopHelper helper, const IColorRGBA& colour, const char* title,
                                                unsigned long attachTo)
{
  std::vector<std::string> arguments;
  if (helper == DesktopHelper::Zenity)
  {
    arguments = {"zenity", "--color-selection", "--color=" + Hex(colour)};
    if (title != nullptr)
      arguments.push_back("--title=" + Text(title));
    AddZenityParent(arguments, attachTo);
  }
  else if (helper == DesktopHelper::KDialog)
  {
    arguments = {"kdialog", "--getcolor", "--default", Hex(colour)};
    if (title != nullptr)
      arguments.insert(arguments.end(), {"--title", Text(title)});
    AddKDialogParent(arguments, attachTo);
  }
  return arguments;
}

bool ParseChosenColour(const std::string& output, IColorRGBA& colour)
{
  const std::string text = ChosenPath(output);
  if (!text.empty() && text[0] == '#' && (text.size() == 7 || text.size() == 13))
  {
    const std::size_t digits = (text.size() - 1) / 3;
    const int red = HexDigits(text, 1, 2);
    const int green = HexDigits(text, 1 + digits, 2);
    const int blue = HexDigits(text, 1 + 2 * digits, 2);
    const bool allHex = std::all_of(text.begin() + 1, text.end(), [](unsigned char c) { return std::isxdigit(c); });
    if (!allHex || red < 0 || green < 0 || blue < 0)
      return false;
    colour.R = red;
    colour.G = green;
    colour.B = blue;
    return true;
  }
  int red = -1;
  int green = -1;
  int blue = -1;
  int used = 0;
  if ((std::sscanf(text.c_str(), "rgb(%d,%d,%d)%n", &red, &green, &blue, &used) == 3 ||
       std::sscanf(text.c_str(), "rgba(%d,%d,%d,%*[0-9.])%n", &red, &green, &blue, &used) == 3) &&
      used == static_cast<int>(text.size()) && red >= 0 && red <= 255 && green >= 0 && green <= 255 && blue >= 0 &&
      blue <= 255)
  {
    colour.R = red;
    colour.G = green;
    colour.B = blue;
    return true;
  }
  return false;
}
