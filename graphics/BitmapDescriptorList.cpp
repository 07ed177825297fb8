#include "graphics/BitmapDescriptorList.h"

#include "core/PlugLock.h"

#include <deque>

namespace
{
struct List
{
  PlugLock lock;
  // A deque: appending never moves the entries others refer to.
  std::deque<IFrameBitmap> entries;
};

List& TheList()
{
  static List list;
  return list;
}
} // namespace

namespace BitmapDescriptorList
{
const IFrameBitmap& Append(const IFrameBitmap& bitmap)
{
  List& list = TheList();
  PlugLockGuard guard(list.lock);
  return list.entries.emplace_back(bitmap);
}
} // namespace BitmapDescriptorList
