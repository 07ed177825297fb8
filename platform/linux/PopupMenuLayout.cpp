#include "platform/linux/PopupMenuLayout.h"

#include <algorithm>
#include <cmath>

namespace
{
int Scaled(double pixels, double scale) { return std::max(1, static_cast<int>(std::lround(pixels * scale))); }
} // namespace

PopupMenuLayout PopupMenuLayout::AtScale(double scale)
{
  return {Scaled(1, scale), Scaled(20, scale), Scaled(20, scale), Scaled(10, scale), Scaled(13, scale)};
}

int PopupMenuLayout::ItemAt(int x, int y, int width, int itemCount) const
{
  if (x < border || x >= width - border || y < border)
    return -1;
  const int index = (y - border) / itemHeight;
  return index < itemCount ? index : -1;
}

bool IsSelectable(const PopupItemRecord& item) { return (item.flags & (PopupItemGreyed | PopupItemDisabled)) == 0; }

int NextSelectableItem(const PopupMenuRecord& menu, int from, int step)
{
  const int count = static_cast<int>(menu.items.size());
  if (count == 0)
    return -1;
  if (from < 0 || from >= count)
    from = step > 0 ? -1 : 0;
  int index = from;
  for (int tried = 0; tried < count; ++tried)
  {
    index = ((index + step) % count + count) % count;
    if (IsSelectable(menu.items[static_cast<std::size_t>(index)]))
      return index;
  }
  return -1;
}
