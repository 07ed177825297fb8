#pragma once

#include "graphics/PopupMenuRecord.h"

// Sizes of a popup menu at a display scale, in window pixels, and the rules
// for finding and stepping through its items.
struct PopupMenuLayout
{
  int border;
  int itemHeight;
  // Room for the check mark, left of the text.
  int checkColumn;
  int textPadding;
  int fontSize;

  static PopupMenuLayout AtScale(double scale);

  int Height(int itemCount) const { return 2 * border + itemCount * itemHeight; }
  int ItemTop(int index) const { return border + index * itemHeight; }
  // The item under (x, y) in a menu `width` wide, or -1.
  int ItemAt(int x, int y, int width, int itemCount) const;
};

// Greyed and disabled items cannot be chosen.
bool IsSelectable(const PopupItemRecord& item);
// The next item that can be chosen from `from` in `step` (+1 down, -1 up),
// wrapping around; from -1 downwards it is the first. -1 when there is none.
int NextSelectableItem(const PopupMenuRecord& menu, int from, int step);
