#include "AudioFile.h"
#include "DemoSignal.h"
#include "EditorPicture.h"
#include "EditorWindow.h"
#include "PicturePng.h"
#include "ParameterSetting.h"
#include "Renderer.h"

#include "tools/vst3host/PluginInstance.h"
#include "tools/vst3host/Vst3Module.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using VstHost::PluginInstance;
using VstHost::Vst3Module;

namespace
{
constexpr double kProgressAfterSeconds = 5.0;

struct Options
{
  std::string bundle;
  std::string input;
  std::string output;
  std::string allDecksDir;
  std::string editorPicture;
  bool gui = false;
  // The host's content scale factor for the editor; 0 when none is sent.
  double scale = 0.0;
  std::vector<std::string> settings;
  SampleEncoding encoding = SampleEncoding::SameAsInput;
  int blockSize = 512;
  bool quiet = false;
};

void PrintUsage(FILE* to)
{
  std::fputs(
    "Usage: velkortape-render [options] [INPUT] OUTPUT\n"
    "       velkortape-render [options] --all-decks DIR [INPUT]\n"
    "       velkortape-render [--set ...] [--scale S] --editor PICTURE.png\n"
    "       velkortape-render [--set ...] [--scale S] --gui\n"
    "\n"
    "Plays an audio file (WAV, AIFF or FLAC; mono or stereo; any sample rate) through the\n"
    "VelkorTape VST 3 plug-in and writes the result. Without INPUT a built-in demonstration\n"
    "of a few bars of music is played.\n"
    "\n"
    "  --set \"Name=value\"   set a parameter by name, by plain value or by display text,\n"
    "                       e.g. --set \"Deck type=Swiss 30 IPS\" --set \"Input level=3\"\n"
    "  --all-decks DIR      render once through every deck type into DIR\n"
    "  --editor FILE.png    draw the plug-in's editor, with the settings and the meters\n"
    "                       after a second of the demonstration, into a PNG picture\n"
    "  --gui                open the editor in a window, as a host would, with the meters\n"
    "                       following the demonstration played silently in real time\n"
    "                       (needs an X display; close the window or press Escape to quit)\n"
    "  --scale S            draw the editor at display scale S (1 to 4, e.g. 2 for a 1520 x 900\n"
    "                       picture or window), as a host sends it its content scale factor\n"
    "  --bits 16|24|float   sample format of the output (default: the input's)\n"
    "  --block N            block size in frames (default 512)\n"
    "  --bundle PATH        the VelkorTape.vst3 bundle to load\n"
    "  --quiet              no progress bar and no summary\n"
    "  --help               this text\n",
    to);
}

std::string DefaultBundle()
{
  if (fs::exists(VELKOR_BUNDLE_PATH))
    return VELKOR_BUNDLE_PATH;
  const char* home = std::getenv("HOME");
  return home ? std::string(home) + "/.vst3/VelkorTape.vst3" : VELKOR_BUNDLE_PATH;
}

// Returns 0 to go on, otherwise the exit code.
int ParseOptions(int argc, char** argv, Options& options)
{
  std::vector<std::string> positional;
  for (int i = 1; i < argc; ++i)
  {
    const std::string arg = argv[i];
    auto value = [&](const char* what) -> std::string {
      if (i + 1 >= argc)
      {
        std::fprintf(stderr, "velkortape-render: %s needs %s\n", arg.c_str(), what);
        return "";
      }
      return argv[++i];
    };
    if (arg == "--help" || arg == "-h")
    {
      PrintUsage(stdout);
      return -1;
    }
    else if (arg == "--set")
      options.settings.push_back(value("\"Name=value\""));
    else if (arg == "--all-decks")
      options.allDecksDir = value("a folder");
    else if (arg == "--editor")
    {
      options.editorPicture = value("a PNG file name");
      if (options.editorPicture.empty())
        return 2;
    }
    else if (arg == "--gui")
      options.gui = true;
    else if (arg == "--scale")
    {
      const std::string text = value("a display scale from 1 to 4");
      char* end = nullptr;
      options.scale = std::strtod(text.c_str(), &end);
      if (text.empty() || end != text.c_str() + text.size() || !(options.scale >= 1.0 && options.scale <= 4.0))
      {
        std::fprintf(stderr, "velkortape-render: --scale takes a display scale from 1 to 4\n");
        return 2;
      }
    }
    else if (arg == "--bundle")
      options.bundle = value("a path");
    else if (arg == "--quiet")
      options.quiet = true;
    else if (arg == "--block")
      options.blockSize = std::atoi(value("a number").c_str());
    else if (arg == "--bits")
    {
      const std::string bits = value("16, 24 or float");
      if (bits == "16")
        options.encoding = SampleEncoding::Int16;
      else if (bits == "24")
        options.encoding = SampleEncoding::Int24;
      else if (bits == "float" || bits == "32")
        options.encoding = SampleEncoding::Float32;
      else
      {
        std::fprintf(stderr, "velkortape-render: --bits takes 16, 24 or float\n");
        return 2;
      }
    }
    else if (!arg.empty() && arg[0] == '-' && arg != "-")
    {
      std::fprintf(stderr, "velkortape-render: unknown option %s (see --help)\n", arg.c_str());
      return 2;
    }
    else
      positional.push_back(arg);
  }

  if (options.blockSize < 1 || options.blockSize > 65536)
  {
    std::fprintf(stderr, "velkortape-render: --block takes a size from 1 to 65536 frames\n");
    return 2;
  }
  for (const std::string& setting : options.settings)
    if (setting.empty())
      return 2;
  const bool editorOnly = !options.editorPicture.empty() || options.gui;
  if (options.scale != 0.0 && !editorOnly)
  {
    std::fprintf(stderr, "velkortape-render: --scale goes with --editor or --gui (see --help)\n");
    return 2;
  }
  if (editorOnly && (!positional.empty() || !options.allDecksDir.empty() || (options.gui && !options.editorPicture.empty())))
  {
    std::fprintf(stderr, "velkortape-render: --editor and --gui take no audio files and go alone (see --help)\n");
    return 2;
  }
  const size_t outputs = options.allDecksDir.empty() && !editorOnly ? 1 : 0;
  if (!editorOnly && (positional.size() < outputs || positional.size() > outputs + 1))
  {
    PrintUsage(stderr);
    return 2;
  }
  if (positional.size() > outputs)
    options.input = positional[0];
  if (outputs)
    options.output = positional.back();
  if (options.bundle.empty())
    options.bundle = DefaultBundle();
  return 0;
}

bool SameFile(const std::string& a, const std::string& b)
{
  std::error_code error;
  if (fs::exists(a, error) && fs::exists(b, error))
    return fs::equivalent(a, b, error);
  return fs::weakly_canonical(a, error) == fs::weakly_canonical(b, error);
}

void PrintSummary(const std::string& path, const MeterSummary& meters)
{
  std::printf("%s\n", path.c_str());
  const char* names[2] = {"left", "right"};
  for (int c = 0; c < meters.channels; ++c)
    std::printf("  %-5s VU peak %+5.1f VU, clip lamp %s\n", meters.channels == 1 ? "mono" : names[c],
                meters.peakVu[c], meters.overs[c] ? ("lit by " + std::to_string(meters.overs[c]) + " overs").c_str()
                                                  : "dark");
  std::printf("  output peak %.1f dBFS\n", meters.outputPeakDb);
}

bool RenderOne(PluginInstance& plug, const AudioData& input, std::vector<ParameterSetting> parameters,
               const Options& options, const std::string& outputPath)
{
  RenderSettings settings;
  settings.parameters = std::move(parameters);
  settings.blockSize = options.blockSize;
  settings.showProgress = !options.quiet && isatty(STDERR_FILENO) &&
                          static_cast<double>(input.Frames()) > kProgressAfterSeconds * input.sampleRate;
  AudioData output;
  MeterSummary meters;
  std::string error;
  if (!RenderThrough(plug, input, settings, output, meters, error) ||
      !WriteAudioFile(outputPath, output, options.encoding, error))
  {
    std::fprintf(stderr, "velkortape-render: %s\n", error.c_str());
    return false;
  }
  if (!options.quiet)
    PrintSummary(outputPath, meters);
  return true;
}
}

int main(int argc, char** argv)
{
  Options options;
  if (const int code = ParseOptions(argc, argv, options))
    return code < 0 ? 0 : code;

  AudioData input;
  std::string error;
  if (options.input.empty())
  {
    input.sampleRate = kDemoSampleRate;
    input.channels = MakeDemoSignal(kDemoSampleRate, kDemoSeconds);
  }
  else if (!ReadAudioFile(options.input, input, error))
  {
    std::fprintf(stderr, "velkortape-render: %s\n", error.c_str());
    return 1;
  }
  if (!options.output.empty() && !options.input.empty() && SameFile(options.input, options.output))
  {
    std::fprintf(stderr, "velkortape-render: the output would overwrite the input %s\n", options.input.c_str());
    return 2;
  }

  std::unique_ptr<Vst3Module> module = Vst3Module::Load(options.bundle, error);
  if (!module)
  {
    std::fprintf(stderr, "velkortape-render: %s\n", error.c_str());
    return 1;
  }
  std::unique_ptr<PluginInstance> plug = PluginInstance::Create(*module, u"velkortape-render", error);
  if (!plug)
  {
    std::fprintf(stderr, "velkortape-render: %s\n", error.c_str());
    return 1;
  }

  std::vector<ParameterSetting> parameters;
  for (const std::string& text : options.settings)
  {
    ParameterSetting setting;
    if (!ResolveSetting(*plug, text, setting, error))
    {
      std::fprintf(stderr, "velkortape-render: %s\n", error.c_str());
      return 2;
    }
    parameters.push_back(setting);
  }

  if (!options.editorPicture.empty())
  {
    EditorPicture picture;
    if (!DrawEditorPicture(parameters, kEditorPictureBlocks, picture, error, options.scale) ||
        !WritePng(options.editorPicture, picture, error))
    {
      std::fprintf(stderr, "velkortape-render: %s\n", error.c_str());
      return 1;
    }
    if (!options.quiet)
      std::printf("%s\n", options.editorPicture.c_str());
    return 0;
  }
  if (options.gui)
  {
    if (!RunEditorWindow(*plug, parameters, error, options.scale))
    {
      std::fprintf(stderr, "velkortape-render: %s\n", error.c_str());
      return 1;
    }
    return 0;
  }

  if (options.allDecksDir.empty())
    return RenderOne(*plug, input, parameters, options, options.output) ? 0 : 1;

  std::error_code created;
  fs::create_directories(options.allDecksDir, created);
  ParameterSetting deck;
  if (created || !ResolveSetting(*plug, "Deck type=0", deck, error))
  {
    std::fprintf(stderr, "velkortape-render: cannot use %s\n", options.allDecksDir.c_str());
    return 1;
  }
  const std::string stem = options.input.empty() ? "demo" : fs::path(options.input).stem().string();
  const std::string extension = options.input.empty() ? ".wav" : fs::path(options.input).extension().string();
  const std::vector<std::string> decks = ListTexts(*plug, deck.id);
  for (size_t d = 0; d < decks.size(); ++d)
  {
    std::vector<ParameterSetting> withDeck = parameters;
    withDeck.push_back({deck.id, static_cast<double>(d) / static_cast<double>(decks.size() - 1)});
    const std::string path = (fs::path(options.allDecksDir) / (stem + "-" + FileNameSlug(decks[d]) + extension)).string();
    if (!options.input.empty() && SameFile(options.input, path))
    {
      std::fprintf(stderr, "velkortape-render: %s would overwrite the input\n", path.c_str());
      return 2;
    }
    if (!RenderOne(*plug, input, withDeck, options, path))
      return 1;
  }
  return 0;
}
