#include "tools/render/DemoSignal.h"
#include "tools/render/ParameterSetting.h"
#include "tools/render/PlanarAudio.h"
#include "tools/render/PluginBlockProcessor.h"
#include "tools/render/PublishedParameters.h"
#include "tools/render/StreamRender.h"

#include "tools/vst3host/PluginInstance.h"
#include "tools/vst3host/Vst3Module.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

// Plays the render tool's demonstration through every deck, hiss off, as
// `velkortape-render --bits float --set Hiss=off --all-decks` does on Linux
// (a fresh instance per deck, the same stated settings, 512-frame blocks,
// the same render loop), and writes each result as raw interleaved
// little-endian float32: OUTDIR/demo-<deck>.f32. scripts/windows/test.sh
// compares them with the Linux module's renders.
namespace
{
constexpr int kBlockSize = 512;

bool WriteRaw(const std::string& path, const std::vector<std::vector<float>>& channels)
{
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr)
    return false;
  std::vector<float> interleaved;
  const size_t frames = channels.empty() ? 0 : channels[0].size();
  interleaved.reserve(frames * channels.size());
  for (size_t frame = 0; frame < frames; ++frame)
    for (const std::vector<float>& channel : channels)
      interleaved.push_back(channel[frame]);
  const bool written = std::fwrite(interleaved.data(), sizeof(float), interleaved.size(), file) == interleaved.size();
  return std::fclose(file) == 0 && written;
}

int Fail(const std::string& message)
{
  std::fprintf(stderr, "velkortape-render-raw: %s\n", message.c_str());
  return 1;
}
} // namespace

int main(int argc, char** argv)
{
  if (argc != 2)
  {
    std::fprintf(stderr, "Usage: velkortape-render-raw OUTDIR\n");
    return 2;
  }
  const std::string outputDir = argv[1];
  const std::vector<std::vector<float>> demo = MakeDemoSignal(kDemoSampleRate, kDemoSeconds);

  std::string error;
  std::unique_ptr<VstHost::Vst3Module> module = VstHost::Vst3Module::Load(VELKOR_BUNDLE_PATH, error);
  if (!module)
    return Fail(error);
  std::unique_ptr<VstHost::PluginInstance> plug = VstHost::PluginInstance::Create(*module, kRenderHostName, error);
  if (!plug)
    return Fail(error);

  ParameterSetting hissOff;
  ParameterSetting anyDeck;
  if (!ResolveSetting(*plug, "Hiss=off", hissOff, error) ||
      !ResolveSetting(*plug, "Deck type=Japan 15 IPS", anyDeck, error))
    return Fail(error);
  const std::vector<PublishedParameter> parameters = PublishedParameters(*plug);
  const auto deck = std::find_if(parameters.begin(), parameters.end(),
                                 [&](const PublishedParameter& parameter) { return parameter.id == anyDeck.id; });
  if (deck == parameters.end() || deck->choices.size() < 2)
    return Fail("the plug-in lists no decks");
  for (size_t d = 0; d < deck->choices.size(); ++d)
  {
    std::unique_ptr<VstHost::PluginInstance> player =
      VstHost::PluginInstance::Create(*module, kRenderHostName, error);
    if (!player)
      return Fail(error);
    PlanarSource source(kDemoSampleRate, demo);
    PluginBlockProcessor processor(*player, {hissOff, {deck->id, deck->NormalizedOfChoice(d)}});
    PlanarSink sink(source.Channels());
    StreamSettings settings;
    settings.blockFrames = kBlockSize;
    StreamResult result;
    if (!StreamRender(source, processor, sink, settings, result, error))
      return Fail(error);
    const std::string path = outputDir + "/demo-" + FileNameSlug(deck->choices[d]) + ".f32";
    if (!WriteRaw(path, sink.Channels()))
      return Fail("cannot write " + path);
  }
  return 0;
}
