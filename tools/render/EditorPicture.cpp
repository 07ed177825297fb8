#include "EditorPicture.h"

#include "DemoPlayback.h"
#include "DemoSignal.h"
#include "PluginBlockProcessor.h"

#include "graphics/IGraphics.h"
#include "graphics/IKnobMultiControlText.h"
#include "graphics/WindowRects.h"
#include "pluginterfaces/gui/iplugviewcontentscalesupport.h"
#include "raster/LICE_Bitmap.h"
#include "tape/VelkorTape.h"
#include "tools/vst3host/PluginInstance.h"
#include "tools/vst3host/Vst3Module.h"

#include <algorithm>
#include <cstddef>
#include <string>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace
{
// As a host gives it: through the editor's view, which the picture needs no more.
bool SetContentScale(VstHost::PluginInstance& plug, double scale, std::string& error)
{
  IPlugView* view = plug.Controller()->createView(ViewType::kEditor);
  FUnknownPtr<IPlugViewContentScaleSupport> scaling(view);
  const bool taken = scaling && scaling->setContentScaleFactor(static_cast<float>(scale)) == kResultTrue;
  if (view)
    view->release();
  if (!taken)
    error = "the editor takes no scale of " + std::to_string(scale);
  return taken;
}
} // namespace

bool DrawEditorPicture(const std::vector<ParameterSetting>& settings, int blocks, EditorPicture& picture,
                       std::string& error, double scale)
{
  std::unique_ptr<VstHost::Vst3Module> module = VstHost::Vst3Module::FromFactory(GetPluginFactory());
  std::unique_ptr<VstHost::PluginInstance> plug =
    module ? VstHost::PluginInstance::Create(*module, kRenderHostName, error) : nullptr;
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
  if (scale != 0.0 && !SetContentScale(*plug, scale, error))
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

  graphics->DrawRegion({0, 0, graphics->Width(), graphics->Height()});
  LICE_IBitmap& surface = *graphics->DrawingSurface();
  const int width = surface.Width();
  const int height = surface.Height();
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
      picture.knobTextAreas.push_back(WindowRectFor(graphics->GetControl(i)->DrawRect(), graphics->DrawScale())
                                        .ClippedTo(width, height));
  return true;
}
