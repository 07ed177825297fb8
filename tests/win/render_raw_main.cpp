#include "DemoSignal.h"
#include "ParameterSetting.h"
#include "Renderer.h"

#include "tools/vst3host/PluginInstance.h"
#include "tools/vst3host/Vst3Module.h"

#include <cstdio>
#include <string>
#include <vector>

// Plays the render tool's demonstration through every deck, hiss off, as
// `velkortape-render --bits float --set Hiss=off --all-decks` does on Linux
// (one instance, the decks in order, 512-frame blocks), and writes each
// result as raw interleaved little-endian float32: OUTDIR/demo-<deck>.f32.
// scripts/windows/test.sh compares them with the Linux module's renders.
namespace
{
constexpr int kBlockSize = 512;

bool WriteRaw(const std::string& path, const AudioData& audio)
{
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr)
    return false;
  std::vector<float> interleaved;
  interleaved.reserve(audio.Frames() * audio.channels.size());
  for (size_t frame = 0; frame < audio.Frames(); ++frame)
    for (const std::vector<float>& channel : audio.channels)
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

  AudioData input;
  input.sampleRate = kDemoSampleRate;
  input.channels = MakeDemoSignal(kDemoSampleRate, kDemoSeconds);

  std::string error;
  std::unique_ptr<VstHost::Vst3Module> module = VstHost::Vst3Module::Load(VELKOR_BUNDLE_PATH, error);
  if (!module)
    return Fail(error);
  std::unique_ptr<VstHost::PluginInstance> plug = VstHost::PluginInstance::Create(*module, STR16("velkortape-render"), error);
  if (!plug)
    return Fail(error);

  ParameterSetting hissOff;
  ParameterSetting deck;
  if (!ResolveSetting(*plug, "Hiss=off", hissOff, error) || !ResolveSetting(*plug, "Deck type=0", deck, error))
    return Fail(error);
  const std::vector<std::string> decks = ListTexts(*plug, deck.id);
  if (decks.size() < 2)
    return Fail("the plug-in lists no decks");
  for (size_t d = 0; d < decks.size(); ++d)
  {
    RenderSettings settings;
    settings.parameters = {hissOff, {deck.id, static_cast<double>(d) / static_cast<double>(decks.size() - 1)}};
    settings.blockSize = kBlockSize;
    AudioData output;
    MeterSummary meters;
    if (!RenderThrough(*plug, input, settings, output, meters, error))
      return Fail(error);
    const std::string path = outputDir + "/demo-" + FileNameSlug(decks[d]) + ".f32";
    if (!WriteRaw(path, output))
      return Fail("cannot write " + path);
  }
  return 0;
}
