#include "OutputPlan.h"

#include "ParameterSetting.h"

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace
{
std::string Quoted(const std::string& path)
{
  return "'" + path + "'";
}

bool SameFile(const std::string& a, const std::string& b)
{
  std::error_code error;
  if (fs::exists(a, error) && fs::exists(b, error))
    return fs::equivalent(a, b, error);
  return fs::weakly_canonical(a, error) == fs::weakly_canonical(b, error);
}

// The type and extension of files made from `input`: --format's, else the
// input's own (the demonstration's is WAV).
bool OutputTypeFor(const RenderRequest& request, const std::string& input, int& container, std::string& extension,
                   std::string& error)
{
  if (request.container)
  {
    container = *request.container;
    extension = ContainerExtension(container);
    return true;
  }
  if (input.empty())
  {
    container = ContainerNamed("wav");
    extension = "wav";
    return true;
  }
  container = ContainerOfPath(input);
  extension = fs::path(input).extension().string();
  extension = extension.empty() ? "" : extension.substr(1);
  if (container == 0)
    error = "cannot tell which type of file to write for " + Quoted(input) + "; choose --format wav, aiff or flac";
  return container != 0;
}

bool CheckJob(const RenderRequest& request, const RenderJob& job, std::string& error)
{
  if (request.bits)
    error = BitsRefusal(job.container, *request.bits, job.output);
  if (error.empty() && !job.input.empty() && job.input != "-" && SameFile(job.input, job.output))
    error = "writing " + Quoted(job.output) + " would overwrite its input";
  return error.empty();
}
}

bool PlanJobs(const RenderRequest& request, const std::vector<std::string>& deckNames, std::vector<RenderJob>& jobs,
              std::string& error)
{
  jobs.clear();
  const std::vector<std::string>& files = request.files;
  if (request.action == ToolAction::Render)
  {
    RenderJob job{files.size() == 2 ? files[0] : "", files.back(), ContainerOfPath(files.back()), std::nullopt};
    if (request.container && job.container && job.container != *request.container)
    {
      error = "--format " + ContainerExtension(*request.container) + " and the name " + Quoted(job.output) +
              " disagree";
      return false;
    }
    job.container = request.container.value_or(job.container);
    if (job.container == 0)
    {
      error = "cannot tell the file type of " + Quoted(job.output) + "; name it .wav, .aiff or .flac, or give --format";
      return false;
    }
    jobs.push_back(job);
  }
  else if (request.action == ToolAction::AllDecks)
  {
    RenderJob job{files.empty() ? "" : files[0], "", 0, std::nullopt};
    std::string extension;
    if (!OutputTypeFor(request, job.input, job.container, extension, error))
      return false;
    const std::string stem = job.input.empty() ? "demo" : fs::path(job.input).stem().string();
    for (size_t deck = 0; deck < deckNames.size(); ++deck)
    {
      job.output = (fs::path(request.folder) / (stem + "-" + FileNameSlug(deckNames[deck]) + "." + extension)).string();
      job.deck = deck;
      jobs.push_back(job);
    }
  }
  else if (request.action == ToolAction::OutDir)
  {
    for (const std::string& input : files.empty() ? std::vector<std::string>{""} : files)
    {
      RenderJob job{input, "", 0, std::nullopt};
      std::string extension;
      if (!OutputTypeFor(request, input, job.container, extension, error))
        return false;
      const std::string stem = input.empty() ? "demo" : fs::path(input).stem().string();
      job.output = (fs::path(request.folder) / (stem + "." + extension)).string();
      const auto taken = std::find_if(jobs.begin(), jobs.end(),
                                      [&](const RenderJob& other) { return SameFile(other.output, job.output); });
      if (taken != jobs.end())
      {
        error = Quoted(taken->input) + " and " + Quoted(input) + " would both be written to " + Quoted(job.output);
        return false;
      }
      jobs.push_back(job);
    }
  }
  return std::all_of(jobs.begin(), jobs.end(), [&](const RenderJob& job) { return CheckJob(request, job, error); });
}
