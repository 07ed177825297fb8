#include "EditorPicture.h"

#include "DemoPlayback.h"
#include "DemoSignal.h"

#include "graphics/IGraphics.h"
#include "graphics/IKnobMultiControlText.h"
#include "raster/LICE_Bitmap.h"
#include "tape/VelkorTape.h"
#include "tools/vst3host/PluginInstance.h"
#include "tools/vst3host/Vst3Module.h"

#include <algorithm>
#include <cstddef>

using namespace Steinberg;
using namespace Steinberg::Vst;

bool DrawEditorPicture(const std::vector<ParameterSetting>& settings, int blocks, EditorPicture& picture,
                       std::string& error)
{
  std::unique_ptr<VstHost::Vst3Module> module = VstHost::Vst3Module::FromFactory(GetPluginFactory());
  std::unique_ptr<VstHost::PluginInstance> plug =
    module ? VstHost::PluginInstance::Create(*module, STR16("velkortape-render"), error) : nullptr;
  if (!plug)
    return false;
  auto* tape = dynamic_cast<VelkorTape*>(plug->Component());
  IGraphics* graphics = tape ? tape->Graphics() : nullptr;
  if (graphics == nullptr || graphics->DrawingSurface() == nullptr)
  {
    error = "the plug-in has no editor";
    return false;
  }
  if (!PrepareForDemo(*plug, settings, error))
    return false;

  const std::vector<std::vector<float>> demo =
    MakeDemoSignal(kDemoSampleRate, static_cast<double>(std::max(blocks, 1) * kDemoBlockFrames) / kDemoSampleRate);
  std::vector<std::vector<float>> output(kDemoChannels, std::vector<float>(kDemoBlockFrames));
  for (int block = 0; block < blocks; ++block)
  {
    std::vector<float*> in;
    std::vector<float*> out;
    for (int c = 0; c < kDemoChannels; ++c)
    {
      in.push_back(const_cast<float*>(demo[static_cast<size_t>(c)].data()) + block * kDemoBlockFrames);
      out.push_back(output[static_cast<size_t>(c)].data());
    }
    if (plug->Process(in.data(), kDemoChannels, out.data(), kDemoChannels, kDemoBlockFrames) != kResultOk)
    {
      error = "the plug-in failed to process a block";
      return false;
    }
  }
  plug->Deactivate();

  const int width = graphics->Width();
  const int height = graphics->Height();
  graphics->DrawRegion({0, 0, width, height});
  LICE_IBitmap& surface = *graphics->DrawingSurface();
  picture.width = width;
  picture.height = height;
  picture.pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      picture.pixels[static_cast<size_t>(y) * width + x] =
        surface.PixelData()[static_cast<std::ptrdiff_t>(y) * surface.RowStride() + x] | 0xFF000000u;
  picture.knobTextAreas.clear();
  for (int i = 0; i < graphics->NControls(); ++i)
    if (dynamic_cast<IKnobMultiControlText*>(graphics->GetControl(i)) != nullptr)
      picture.knobTextAreas.push_back(graphics->GetControl(i)->DrawRect());
  return true;
}
