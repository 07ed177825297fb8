#include "IPlugVST3View.h"

#include "IPlugVST3.h"
#include "ViewPlatform.h"

#include <cmath>
#include <cstring>

using namespace Steinberg;

IPlugVST3View::IPlugVST3View(IPlugVST3& plugin) : mPlugin(plugin)
{
  mPlugin.addRef();
  mPlugin.ViewOpened(this);
}

IPlugVST3View::~IPlugVST3View()
{
  // A host that drops the view without removing it first must not leave the window behind.
  // Also lets go of run-loop registrations a removal inside a timer callback had to leave behind.
  if (IPlugEditor* editor = mPlugin.GetGUI())
  {
    if (isAttached())
      editor->CloseEditorWindow();
    DisconnectViewRunLoop(*editor);
  }
  mPlugin.ViewClosed(this);
  mPlugin.release();
}

tresult PLUGIN_API IPlugVST3View::isPlatformTypeSupported(FIDString type)
{
  if (!mPlugin.GetGUI() || !type)
    return kResultFalse;
  return std::strcmp(type, kEditorPlatformType) == 0 ? kResultTrue : kResultFalse;
}

tresult PLUGIN_API IPlugVST3View::attached(void* parent, FIDString type)
{
  IPlugEditor* editor = mPlugin.GetGUI();
  if (!editor)
    return kResultFalse;
  if (type && std::strcmp(type, kEditorPlatformType) == 0)
  {
    // A window that cannot run (no event loop from the host) or cannot be
    // made is reported, rather than leaving the host an empty frame.
    if (!ConnectViewRunLoop(plugFrame, *editor))
      return kResultFalse;
    if (!editor->OpenEditorWindow(parent))
    {
      DisconnectViewRunLoop(*editor);
      return kResultFalse;
    }
  }
  systemWindow = parent;
  mPlugin.EditorOpened();
  return kResultOk;
}

tresult PLUGIN_API IPlugVST3View::removed()
{
  if (IPlugEditor* editor = mPlugin.GetGUI())
  {
    mPlugin.EditorClosing();
    editor->CloseEditorWindow();
    DisconnectViewRunLoop(*editor);
  }
  CPluginView::removed();
  return kResultOk;
}

tresult PLUGIN_API IPlugVST3View::getSize(ViewRect* size)
{
  IPlugEditor* editor = mPlugin.GetGUI();
  if (!editor || !size)
    return kResultFalse;
  const double scale = editor->GetDisplayScale();
  *size = ViewRect(0, 0, static_cast<int32>(editor->Width() * scale), static_cast<int32>(editor->Height() * scale));
  return kResultOk;
}

tresult PLUGIN_API IPlugVST3View::onSize(ViewRect* newSize)
{
  if (newSize)
  {
    rect = *newSize;
    if (mResizeRequested)
    {
      mResizeRequested = false;
      mPlugin.HostResizedEditor({newSize->left, newSize->top, newSize->right, newSize->bottom});
    }
  }
  return kResultOk;
}

tresult PLUGIN_API IPlugVST3View::setContentScaleFactor(ScaleFactor factor)
{
  IPlugEditor* editor = mPlugin.GetGUI();
  if (!editor || !editor->SetHostScaleFactor(factor))
    return kResultFalse;
  if (isAttached())
    RequestResize(editor->Width(), editor->Height());
  return kResultTrue;
}

void IPlugVST3View::RequestResize(int width, int height)
{
  if (!plugFrame)
    return;
  // The host's sizes are physical pixels, like getSize's. Some hosts answer
  // every request with another round of sizing: only a real change is asked for.
  IPlugEditor* editor = mPlugin.GetGUI();
  const double scale = editor ? editor->GetDisplayScale() : 1.0;
  ViewRect newSize(0, 0, static_cast<int32>(std::trunc(width * scale)), static_cast<int32>(std::trunc(height * scale)));
  if (newSize.getWidth() == rect.getWidth() && newSize.getHeight() == rect.getHeight())
    return;
  mResizeRequested = true;
  plugFrame->resizeView(this, &newSize);
}
