#pragma once

#include <string>
#include <vector>

enum PopupItemFlags : int
{
  PopupItemGreyed = 1,
  PopupItemDisabled = 2,
  PopupItemChecked = 4,
};

struct PopupItemRecord
{
  std::string text;
  int flags = 0;
};

// A menu for ShowPopupMenu, which writes the index of the chosen item.
struct PopupMenuRecord
{
  int chosenIndex = -1;
  std::vector<PopupItemRecord> items;
};
