#include "tools/vst3host/ModuleLoading.h"

namespace VstHost
{
std::string BundleName(const std::string& bundlePath, const char* separators)
{
  std::string path = bundlePath;
  while (path.size() > 1 && path.find_last_of(separators) == path.size() - 1)
    path.pop_back();
  const std::string file = path.substr(path.find_last_of(separators) + 1);
  const std::string extension = ".vst3";
  if (file.size() > extension.size() && file.compare(file.size() - extension.size(), extension.size(), extension) == 0)
    return file.substr(0, file.size() - extension.size());
  return file;
}
}
