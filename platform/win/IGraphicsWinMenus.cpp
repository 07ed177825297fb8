#include "platform/win/IGraphicsWin.h"

#include "graphics/WindowRects.h"

namespace
{
UINT ItemFlags(int flags)
{
  UINT menuFlags = MF_STRING;
  if ((flags & PopupItemChecked) != 0)
    menuFlags |= MF_CHECKED;
  if ((flags & PopupItemGreyed) != 0)
    menuFlags |= MF_GRAYED;
  if ((flags & PopupItemDisabled) != 0)
    menuFlags |= MF_DISABLED;
  return menuFlags;
}
} // namespace

// Modal: the menu runs its own message loop, in which the redraw timer keeps
// ticking, until the user chooses or dismisses it.
PopupMenuRecord* IGraphicsWin::ShowPopupMenu(PopupMenuRecord& menu, const IRectI& rect)
{
  ForgetPointerCapture();
  mMenuShownDuringPress = true;
  if (mWindow == nullptr || menu.items.empty())
    return nullptr;
  const HMENU popup = CreatePopupMenu();
  if (popup == nullptr)
    return nullptr;
  for (std::size_t i = 0; i < menu.items.size(); ++i)
    AppendMenuA(popup, ItemFlags(menu.items[i].flags), i, menu.items[i].text.c_str());

  // Below the rectangle's bottom-left corner.
  POINT corner{ScaledSize(rect.left, mScale), ScaledSize(rect.bottom, mScale)};
  ClientToScreen(mWindow, &corner);
  const HWND owner = mWindow;
  int chosen = -1;
  mMenuOpen = true;
  const BOOL tracked =
    TrackPopupMenu(popup, TPM_LEFTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN, corner.x, corner.y, 0, owner, nullptr);
  mMenuOpen = false;
  if (tracked)
  {
    // The choice waits in the queue as the owner's command; menus send no
    // notification code (the high word).
    MSG command{};
    if (PeekMessageA(&command, owner, WM_COMMAND, WM_COMMAND, PM_REMOVE) && HIWORD(command.wParam) == 0)
      chosen = LOWORD(command.wParam);
  }
  DestroyMenu(popup);
  // The editor may have closed while the menu was open.
  if (mWindow != owner)
    return nullptr;
  const RECT whole{0, 0, ScaledSize(Width(), mScale), ScaledSize(Height(), mScale)};
  InvalidateRect(mWindow, &whole, FALSE);
  if (chosen < 0 || chosen >= static_cast<int>(menu.items.size()))
    return nullptr;
  menu.chosenIndex = chosen;
  return &menu;
}
