#pragma once

#include "core/IRectI.h"
#include "graphics/ITextStyle.h"
#include "platform/linux/TextEntryField.h"
#include "platform/linux/X11Connection.h"
#include "platform/linux/X11Presenter.h"
#include "raster/LICE_MemBitmap.h"

#include <memory>
#include <vector>

class IGraphics;
class IPlugParam;
class LICE_CachedFont;

// What a key did to the entry.
enum class EntryKey
{
  Ignored,
  Edited,
  Commit,
  Cancel,
};

// The in-place value entry: a small child window of the editor over the
// rectangle being edited (in window pixels at the display scale), in the
// style's entry colours and font, with a caret. It draws itself; the editor
// window hands it the events of its window.
class X11TextEntry
{
public:
  X11TextEntry(const X11Connection& connection, Window editorWindow, IGraphics& graphics, const ITextStyle& style,
               const IRectI& editorRect, double scale, const char* text, int lengthLimit, const IPlugParam* param);
  ~X11TextEntry();

  X11TextEntry(const X11TextEntry&) = delete;
  X11TextEntry& operator=(const X11TextEntry&) = delete;

  Window Handle() const { return mWindow; }
  const TextEntryField& Field() const { return mField; }
  // Window pixels, relative to the editor window.
  const IRectI& Bounds() const { return mBounds; }

  void TakeFocus();
  void FocusChanged(bool focused);
  EntryKey Key(XKeyEvent& event);
  // A press inside the field, in its own pixels: the caret goes there.
  void PressAt(int x);
  void Draw();

private:
  int TextWidth(int length);
  // The widths of the text's first 0, 1, ... all characters, measured once
  // for each press or drawing.
  std::vector<int> PrefixWidths();
  // Where the text starts in the field, from its prefix widths.
  int TextLeft(const std::vector<int>& widths) const;

  const X11Connection& mConnection;
  Window mWindow = 0;
  IRectI mBounds;
  TextEntryField mField;
  ITextStyle mStyle;
  LICE_CachedFont* mFont = nullptr;
  LICE_MemBitmap mPixels;
  std::unique_ptr<X11Presenter> mPresenter;
  bool mFocused = false;
};
