#pragma once

#include "graphics/ITextStyle.h"
#include "platform/win/IGraphicsWin.h"

// The in-place entry while it is open: its field, what it edits and where
// its life stands. The field's font goes with the entry, after the field.
struct IGraphicsWin::OpenEntry
{
  OpenEntry() = default;
  ~OpenEntry()
  {
    if (font != nullptr)
      DeleteObject(font);
  }
  OpenEntry(const OpenEntry&) = delete;
  OpenEntry& operator=(const OpenEntry&) = delete;

  HWND field = nullptr;
  HFONT font = nullptr;
  WNDPROC previousProc = nullptr;
  IControl* control = nullptr;
  IPlugParam* param = nullptr;
  // The colours the field is painted in.
  ITextStyle style;
  TextEntryState state = TextEntryState::Idle;
};
