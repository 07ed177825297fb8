#include "CommandLine.h"
#include "EditorPicture.h"
#include "EditorWindow.h"
#include "HelpText.h"
#include "InterruptCleanup.h"
#include "OutputPlan.h"
#include "ParameterListing.h"
#include "ParameterSetting.h"
#include "PicturePng.h"
#include "PluginBlockProcessor.h"
#include "PublishedParameters.h"
#include "RenderJobs.h"
#include "StatedSettings.h"

#include "tape/TapeParams.h"
#include "tools/vst3host/EffectClass.h"
#include "tools/vst3host/PluginInstance.h"
#include "tools/vst3host/Vst3Module.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using VstHost::PluginInstance;
using VstHost::Vst3Module;

namespace
{
constexpr int kFailed = 1;
constexpr int kMistake = 2;

int Fail(const std::string& message, int status)
{
  std::fprintf(stderr, "velkortape-render: %s\n", message.c_str());
  return status;
}

std::string DefaultBundle()
{
  if (fs::exists(VELKOR_BUNDLE_PATH))
    return VELKOR_BUNDLE_PATH;
  const char* home = std::getenv("HOME");
  return home ? std::string(home) + "/.vst3/VelkorTape.vst3" : VELKOR_BUNDLE_PATH;
}

// The folder of --all-decks or --out-dir, made when missing.
bool MakeFolder(const std::string& folder, std::string& error)
{
  std::error_code problem;
  if (fs::is_directory(folder, problem))
    return true;
  if (fs::exists(folder, problem))
    error = "'" + folder + "' is not a folder";
  else if (!fs::create_directories(folder, problem) && problem)
    error = "cannot make the folder '" + folder + "': " + problem.message();
  return error.empty();
}

// What the plug-in is set to when it renders, printed before it does.
bool PrintSettingsInForce(PluginInstance& plug, const std::vector<ParameterSetting>& settings,
                          const std::vector<Steinberg::Vst::ParamID>& except, std::string& error)
{
  if (!plug.Prepare(48000.0, 512, Steinberg::Vst::kSample32, 2, 2))
  {
    error = "the plug-in refused to process";
    return false;
  }
  const bool applied = ApplyStatedSettings(plug, settings, error);
  if (applied)
  {
    std::string line;
    for (const std::string& setting : SettingsInForce(plug, except))
      line += (line.empty() ? "settings: " : ", ") + setting;
    std::printf("%s\n", line.c_str());
  }
  plug.Deactivate();
  return applied;
}

int DrawPicture(const RenderRequest& request, const std::vector<ParameterSetting>& settings)
{
  EditorPicture picture;
  std::string error;
  if (!DrawEditorPicture(settings, kEditorPictureBlocks, picture, error, request.scale) ||
      !WritePng(request.editorPicture, picture, error))
    return Fail(error, kFailed);
  if (!request.quiet)
    std::printf("%s\n", request.editorPicture.c_str());
  return 0;
}
}

int main(int argc, char** argv)
{
  RenderRequest request;
  std::string error;
  if (!ParseCommandLine(argc, argv, request, error))
    return Fail(error, kMistake);
  if (request.action == ToolAction::Help)
  {
    std::fputs(HelpText().c_str(), stdout);
    return 0;
  }
  InterruptCleanup::Install();

  std::unique_ptr<Vst3Module> module = Vst3Module::Load(request.bundle.empty() ? DefaultBundle() : request.bundle,
                                                        error);
  if (!module)
    return Fail(error, kFailed);
  if (request.action == ToolAction::Version)
  {
    VstHost::EffectClass effect;
    if (!VstHost::FindEffectClass(*module, effect))
      return Fail("the bundle registers no audio effect", kFailed);
    std::printf("%s %s\n", effect.name.c_str(), effect.version.c_str());
    return 0;
  }
  std::unique_ptr<PluginInstance> plug = PluginInstance::Create(*module, kRenderHostName, error);
  if (!plug)
    return Fail(error, kFailed);
  if (request.action == ToolAction::ListParams)
  {
    std::fputs(ParameterList(*plug).c_str(), stdout);
    return 0;
  }

  std::vector<ParameterSetting> settings;
  if (!ResolveSettings(*plug, request.settings, settings, error))
    return Fail(error, kMistake);
  if (request.action == ToolAction::Editor)
    return DrawPicture(request, settings);
  if (request.action == ToolAction::Gui)
    return RunEditorWindow(*plug, settings, error, request.scale) ? 0 : Fail(error, kFailed);

  const std::vector<PublishedParameter> parameters = PublishedParameters(*plug);
  const auto deck = std::find_if(parameters.begin(), parameters.end(),
                                 [](const PublishedParameter& parameter) { return parameter.id == ParamDeckType; });
  if (deck == parameters.end() || !deck->IsList())
    return Fail("the plug-in has no deck choice", kFailed);
  std::vector<RenderJob> jobs;
  if (!PlanJobs(request, deck->choices, jobs, error))
    return Fail(error, kMistake);
  if (request.action != ToolAction::Render && !MakeFolder(request.folder, error))
    return Fail(error, kFailed);

  std::vector<Steinberg::Vst::ParamID> varied;
  if (request.action == ToolAction::AllDecks)
    varied.push_back(deck->id);
  if (!request.quiet && !PrintSettingsInForce(*plug, settings, varied, error))
    return Fail(error, kFailed);
  return RunJobs(request, jobs, *module, settings, *deck);
}
