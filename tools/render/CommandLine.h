#pragma once

#include "OutputEncoding.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

// What one run of the tool is asked to do.
enum class ToolAction { Render, AllDecks, OutDir, Editor, Gui, ListParams, Version, Help };

struct RenderRequest
{
  ToolAction action = ToolAction::Render;
  std::vector<std::string> files;  // the names given without an option, in order
  std::string folder;              // of --all-decks or --out-dir
  std::string editorPicture;
  std::string bundle;
  std::optional<int> container;    // --format, as libsndfile's major format
  std::optional<SampleBits> bits;
  bool dither = true;
  bool quiet = false;
  int blockFrames = 512;
  double scale = 0.0;              // the host's content scale factor for the editor; 0 when none is sent
  std::vector<std::string> settings;
  std::vector<std::string> optionsGiven;  // each option's name, once

  bool Gave(const char* option) const;
};

// One option of the command line: its name, the placeholder of its value
// (empty for a switch), what --help says of it, and how it changes the
// request. A new option is one more entry in the table.
struct OptionSpec
{
  const char* name;
  const char* value;
  const char* help;
  bool repeatable;
  bool (*take)(RenderRequest& request, const std::string& value, std::string& error);
};

std::span<const OptionSpec> OptionTable();

// Reads the arguments into `request`; false with `error` set for an unknown
// option, a missing or malformed value, an option given twice or options
// that do not go together. Nothing is read or written.
bool ParseCommandLine(int argc, const char* const* argv, RenderRequest& request, std::string& error);
