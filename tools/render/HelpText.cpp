#include "HelpText.h"

#include "CommandLine.h"
#include "SoundFileReader.h"

#include "tape/EditorLabels.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace
{
constexpr size_t kWidth = 100;
constexpr size_t kOptionColumn = 24;

// The words of `text`, a quoted phrase taken as one word, so that an example
// is never broken across lines.
std::vector<std::string_view> Words(std::string_view text)
{
  std::vector<std::string_view> words;
  size_t start = 0;
  bool quoted = false;
  for (size_t at = 0; at <= text.size(); ++at)
  {
    if (at < text.size() && text[at] == '"')
      quoted = !quoted;
    if (at == text.size() || (text[at] == ' ' && !quoted))
    {
      if (at > start)
        words.push_back(text.substr(start, at - start));
      start = at + 1;
    }
  }
  return words;
}

// `text` broken into lines of at most kWidth columns, the first after
// `first` (on a line of its own when it reaches `indent`), the others
// indented to `indent` columns.
std::string Wrapped(const std::string& first, std::string_view text, size_t indent)
{
  std::string out = first;
  size_t column = first.size();
  if (!first.empty() && column >= indent)
  {
    out += "\n";
    column = 0;
  }
  for (const std::string_view word : Words(text))
  {
    if (column > indent && column + 1 + word.size() > kWidth)
    {
      out += "\n";
      column = 0;
    }
    if (column < indent)
      out += std::string(indent - column, ' ');
    else if (column > indent)
      out += " ";
    column = std::max(column, indent) + (column > indent ? 1 : 0) + word.size();
    out += word;
  }
  return out + "\n";
}

std::string Paragraph(std::string_view text)
{
  return Wrapped("", text, 0);
}
}

std::string HelpText()
{
  std::string text =
    "Usage: velkortape-render [options] [INPUT] OUTPUT\n"
    "       velkortape-render [options] INPUT... --out-dir DIR\n"
    "       velkortape-render [options] --all-decks DIR [INPUT]\n"
    "       velkortape-render [--set ...] [--scale S] --editor PICTURE.png\n"
    "       velkortape-render [--set ...] [--scale S] --gui\n"
    "       velkortape-render --list-params | --version | --help\n\n";
  text += Paragraph("Plays audio files (WAV, AIFF or FLAC, mono or stereo, " +
                    std::to_string(kLowestSampleRate / 1000) + " kHz to " + std::to_string(kHighestSampleRate / 1000) +
                    " kHz) through the VelkorTape VST 3 plug-in and writes the results, each under a temporary "
                    "name that becomes the output's only once it is complete. Without INPUT a built-in "
                    "demonstration of a few bars of music is played. An INPUT of '-' is read from standard input "
                    "(WAV or AIFF). OUTPUT's extension gives its type (.wav, .aiff or .aif, .flac) unless --format "
                    "does.");
  text += "\nOptions:\n";
  for (const OptionSpec& option : OptionTable())
  {
    std::string name = std::string("  ") + option.name;
    if (*option.value)
      name += std::string(" ") + option.value;
    text += Wrapped(name, option.help, kOptionColumn);
  }
  text += "\nOutput format:\n";
  text += Wrapped("", "Without --bits an output keeps the input's sample format where its file type holds it; "
                      "where it does not, the nearest one it holds is taken and the summary says so. 16- and 8-bit "
                      "output gets TPDF dither (--no-dither turns it off); 24-bit, 32-bit and float output is "
                      "written as it is.",
                  2);
  text += "\nThe editor's labels and the parameters they set:\n";
  for (const EditorLabel& label : kEditorLabels)
  {
    std::string name = std::string("  ") + label.text;
    if (*label.place)
      name += std::string(" (") + label.place + ")";
    text += Wrapped(name, std::string("\"") + kTapeParamNames[label.param] + "\"", kOptionColumn);
  }
  text += "\n" + Paragraph("Exit status: 0 when everything was written, 1 when a file could not be read or "
                           "written, 2 for a mistake in the command (nothing is written then).");
  return text;
}
