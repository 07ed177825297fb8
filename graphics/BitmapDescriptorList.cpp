#include "graphics/BitmapDescriptorList.h"

#include "core/PlugLock.h"

#include <deque>
#include <string>

namespace
{
struct Descriptor
{
  int resourceId;
  std::string path;
  IFrameBitmap bitmap;
};

struct List
{
  PlugLock lock;
  // A deque: appending never moves the entries others refer to.
  std::deque<Descriptor> entries;
};

List& TheList()
{
  static List list;
  return list;
}
} // namespace

namespace BitmapDescriptorList
{
const IFrameBitmap& Append(int resourceId, const char* path, const IFrameBitmap& bitmap)
{
  List& list = TheList();
  PlugLockGuard guard(list.lock);
  list.entries.push_back({resourceId, path != nullptr ? path : "", bitmap});
  return list.entries.back().bitmap;
}
} // namespace BitmapDescriptorList
