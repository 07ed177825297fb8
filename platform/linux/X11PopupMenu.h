#pragma once

#include "core/IRectI.h"
#include "graphics/PopupMenuRecord.h"
#include "platform/linux/PopupMenuLayout.h"
#include "platform/linux/X11Connection.h"
#include "platform/linux/X11Presenter.h"
#include "raster/LICE_MemBitmap.h"

#include <memory>

class IGraphics;
class LICE_CachedFont;

// A drop-down menu of our own: an override-redirect window drawn with the
// editor's font, holding the pointer and the keyboard while it is open. The
// pointer chooses an item by releasing a button over it, the keyboard with
// the arrows and Enter; Escape or a press outside dismisses it. The editor
// runs its events through HandleEvent until Finished.
class X11PopupMenu
{
public:
  // `anchor` is the rectangle the menu belongs to, in root-window pixels:
  // the menu opens below it (above when there is no room below), at least as
  // wide as it.
  X11PopupMenu(const X11Connection& connection, IGraphics& graphics, const PopupMenuRecord& menu,
               const IRectI& anchor, double scale);
  ~X11PopupMenu();

  X11PopupMenu(const X11PopupMenu&) = delete;
  X11PopupMenu& operator=(const X11PopupMenu&) = delete;

  // Shows the menu and takes the pointer and keyboard; false (and finished
  // without a choice) when they cannot be had.
  bool Open();
  // True when the event was the menu's.
  bool HandleEvent(XEvent& event);
  // Ends the menu without a choice and takes its window away.
  void Close();

  bool Finished() const { return mFinished; }
  // The chosen item, or -1.
  int Chosen() const { return mChosen; }
  Window Handle() const { return mWindow; }
  const IRectI& Bounds() const { return mBounds; }

private:
  void Draw();
  void Highlight(int item);
  void Finish(int chosen);
  void Key(XKeyEvent& event);

  const X11Connection& mConnection;
  const PopupMenuRecord& mMenu;
  PopupMenuLayout mLayout;
  double mScale;
  LICE_CachedFont* mFont = nullptr;
  IRectI mBounds;
  Window mWindow = 0;
  std::unique_ptr<X11Presenter> mPresenter;
  LICE_MemBitmap mPixels;
  int mHighlighted = -1;
  int mChosen = -1;
  bool mFinished = false;
  bool mGrabbed = false;
};
