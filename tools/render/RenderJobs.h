#pragma once

#include "CommandLine.h"
#include "OutputPlan.h"
#include "ParameterSetting.h"
#include "PublishedParameters.h"

#include "tools/vst3host/Vst3Module.h"

#include <vector>

// Renders the planned files in turn, each through an instance of its own made
// by `module` (so that no file hears what the one before left in the filters)
// and streamed from its input into an OutputFile, and prints one summary line
// per file written.
// A render of one file, or --all-decks, stops at the first failure and says
// which files were written before it; --out-dir goes on with the next input.
// Returns the exit status: 0 when every file was written, else 1.
int RunJobs(const RenderRequest& request, const std::vector<RenderJob>& jobs, VstHost::Vst3Module& module,
            const std::vector<ParameterSetting>& settings, const PublishedParameter& deck);
