#pragma once

#include "public.sdk/source/common/pluginview.h"

class IPlugVST3;

// The editor as the host sees it: opens and closes the plug-in's editor
// window inside the host's window and carries size requests both ways.
// The plug-in keeps its editor for its whole life; views come and go.
class IPlugVST3View : public Steinberg::CPluginView
{
public:
  explicit IPlugVST3View(IPlugVST3& plugin);
  ~IPlugVST3View() override;

  // IPlugView; host UI thread. attached opens the editor window in the host's
  // window (on Linux with the run loop of the frame set before; a frame
  // without one is refused), removed closes it.
  Steinberg::tresult PLUGIN_API isPlatformTypeSupported(Steinberg::FIDString type) override;
  Steinberg::tresult PLUGIN_API attached(void* parent, Steinberg::FIDString type) override;
  Steinberg::tresult PLUGIN_API removed() override;
  Steinberg::tresult PLUGIN_API getSize(Steinberg::ViewRect* size) override;
  Steinberg::tresult PLUGIN_API onSize(Steinberg::ViewRect* newSize) override;

  // The plug-in asks the host for a new size (editor pixels) through the
  // view's frame; UI thread.
  void RequestResize(int width, int height);

private:
  IPlugVST3& mPlugin;
  bool mResizeRequested = false;
};
