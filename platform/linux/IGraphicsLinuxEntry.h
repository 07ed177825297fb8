#pragma once

#include "platform/linux/IGraphicsLinux.h"
#include "platform/linux/X11TextEntry.h"

// The in-place entry while it is open: its window, what it edits and where
// its life stands.
struct IGraphicsLinux::OpenEntry
{
  std::unique_ptr<X11TextEntry> field;
  IControl* control = nullptr;
  IPlugParam* param = nullptr;
  TextEntryState state = TextEntryState::Idle;
  // The field is given the focus as it opens; only a focus it takes back
  // later counts.
  bool openingFocusPending = true;
};

// Counts the modal waits running, so that a connection closed inside one
// lives on until the outermost ends.
class IGraphicsLinux::ModalScope
{
public:
  explicit ModalScope(IGraphicsLinux& graphics) : mGraphics(graphics) { ++mGraphics.mModalDepth; }
  ~ModalScope()
  {
    if (--mGraphics.mModalDepth == 0)
      mGraphics.mRetiredConnection.reset();
  }
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

private:
  IGraphicsLinux& mGraphics;
};
