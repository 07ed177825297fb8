#pragma once

#include "CommandLine.h"

#include <optional>
#include <string>
#include <vector>

// One file to render: its input ("" for the built-in demonstration), its
// output and the output's type, and for --all-decks the deck's choice.
struct RenderJob
{
  std::string input;
  std::string output;
  int container = 0;
  std::optional<size_t> deck;
};

// The files a request will write, worked out before any is: their names and
// types, and the checks that need no audio (a known file type, a --bits the
// type holds, no output over an input or over another output). False with
// `error` for a mistake in the command. `deckNames` are the plug-in's deck
// choices, for --all-decks.
bool PlanJobs(const RenderRequest& request, const std::vector<std::string>& deckNames, std::vector<RenderJob>& jobs,
              std::string& error);
