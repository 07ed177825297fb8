#pragma once

#include "pluginterfaces/gui/iplugviewcontentscalesupport.h"
#include "public.sdk/source/common/pluginview.h"

class IPlugVST3;

// The editor as the host sees it: opens and closes the plug-in's editor
// window inside the host's window and carries size requests both ways.
// The plug-in keeps its editor for its whole life; views come and go.
// Sizes exchanged with the host are the host window's pixels: the editor's
// times the display scale in force.
class IPlugVST3View : public Steinberg::CPluginView, public Steinberg::IPlugViewContentScaleSupport
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

  // IPlugViewContentScaleSupport; host UI thread, no lock held, before or
  // after attached, any number of times. The editor draws at the factor
  // (limited to 1..4) from now on, in place of the system's scale; an open
  // window takes the new size and the host's frame is asked for it.
  Steinberg::tresult PLUGIN_API setContentScaleFactor(ScaleFactor factor) override;

  // The plug-in asks the host for a new size (editor pixels) through the
  // view's frame; UI thread, with no lock held: the frame may call back
  // into the view (onSize) and the plug-in before it returns.
  void RequestResize(int width, int height);

  OBJ_METHODS(IPlugVST3View, CPluginView)
  DEFINE_INTERFACES
    DEF_INTERFACE(IPlugViewContentScaleSupport)
  END_DEFINE_INTERFACES(CPluginView)
  REFCOUNT_METHODS(CPluginView)

private:
  IPlugVST3& mPlugin;
  bool mResizeRequested = false;
};
