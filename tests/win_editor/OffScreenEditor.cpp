#include "OffScreenEditor.h"

#include "DemoSignal.h"

#include "graphics/IGraphics.h"
#include "graphics/IKnobMultiControlText.h"
#include "raster/LICE_Bitmap.h"
#include "tape/VelkorTape.h"
#include "tools/vst3host/PluginInstance.h"
#include "tools/vst3host/Vst3Module.h"

namespace
{
constexpr double kSampleRate = 48000.0;
constexpr int kBlockFrames = 512;
constexpr int kChannels = 2;

bool PlayDemo(VstHost::PluginInstance& plug, int blocks, std::string& error)
{
  const std::vector<std::vector<float>> demo =
    MakeDemoSignal(kSampleRate, static_cast<double>(blocks * kBlockFrames) / kSampleRate);
  std::vector<std::vector<float>> output(kChannels, std::vector<float>(kBlockFrames));
  for (int block = 0; block < blocks; ++block)
  {
    float* in[kChannels];
    float* out[kChannels];
    for (int c = 0; c < kChannels; ++c)
    {
      in[c] = const_cast<float*>(demo[static_cast<size_t>(c)].data()) + block * kBlockFrames;
      out[c] = output[static_cast<size_t>(c)].data();
    }
    if (plug.Process(in, kChannels, out, kChannels, kBlockFrames) != Steinberg::kResultOk)
    {
      error = "the plug-in failed to process a block";
      return false;
    }
  }
  return true;
}
} // namespace

bool DrawOffScreen(const EditorSettings& settings, OffScreenEditor& picture, std::string& error, int blocks)
{
  std::unique_ptr<VstHost::Vst3Module> module = VstHost::Vst3Module::FromFactory(GetPluginFactory());
  std::unique_ptr<VstHost::PluginInstance> plug =
    module ? VstHost::PluginInstance::Create(*module, STR16("off-screen"), error) : nullptr;
  if (!plug)
    return false;
  auto* tape = dynamic_cast<VelkorTape*>(plug->Component());
  IGraphics* graphics = tape ? tape->Graphics() : nullptr;
  if (graphics == nullptr || graphics->DrawingSurface() == nullptr)
  {
    error = "the plug-in has no editor";
    return false;
  }
  if (!plug->Prepare(kSampleRate, kBlockFrames, Steinberg::Vst::kSample32, kChannels, kChannels))
  {
    error = "the plug-in refused to process";
    return false;
  }
  for (const auto& [id, normalized] : settings)
    plug->QueueParameter(id, normalized);
  plug->FlushParameters();
  if (!PlayDemo(*plug, blocks, error))
    return false;
  plug->Deactivate();

  picture.width = graphics->Width();
  picture.height = graphics->Height();
  graphics->DrawRegion({0, 0, picture.width, picture.height});
  LICE_IBitmap& surface = *graphics->DrawingSurface();
  picture.pixels.clear();
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x)
      picture.pixels.push_back(surface.PixelData()[static_cast<std::ptrdiff_t>(y) * surface.RowStride() + x] &
                               0xFFFFFFu);
  picture.knobTextAreas.clear();
  for (int i = 0; i < graphics->NControls(); ++i)
    if (dynamic_cast<IKnobMultiControlText*>(graphics->GetControl(i)) != nullptr)
      picture.knobTextAreas.push_back(graphics->GetControl(i)->DrawRect());
  return true;
}
