#include "platform/linux/XdgFolders.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <dlfcn.h>
#include <fstream>
#include <pwd.h>
#include <sstream>
#include <unistd.h>

namespace
{
// Relative values are not allowed by the conventions and are ignored.
std::string AbsoluteFromEnvironment(const char* name)
{
  const char* value = std::getenv(name);
  return value != nullptr && value[0] == '/' ? value : "";
}

std::string FirstOfList(const std::string& list)
{
  std::size_t start = 0;
  while (start < list.size())
  {
    const std::size_t end = std::min(list.find(':', start), list.size());
    const std::string entry = list.substr(start, end - start);
    if (!entry.empty() && entry[0] == '/')
      return entry;
    start = end + 1;
  }
  return "";
}
} // namespace

std::string HomeFolder()
{
  const std::string home = AbsoluteFromEnvironment("HOME");
  if (!home.empty())
    return home;
  const passwd* entry = getpwuid(getuid());
  return entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : "";
}

std::string UserDirFromConfig(const std::string& config, const char* key, const std::string& home)
{
  std::istringstream lines(config);
  const std::string prefix = std::string(key) + "=\"";
  for (std::string line; std::getline(lines, line);)
  {
    if (line.compare(0, prefix.size(), prefix) != 0)
      continue;
    const std::size_t close = line.find('"', prefix.size());
    if (close == std::string::npos)
      return "";
    std::string value = line.substr(prefix.size(), close - prefix.size());
    if (value.compare(0, 5, "$HOME") == 0)
      value = home + value.substr(5);
    while (value.size() > 1 && value.back() == '/')
      value.pop_back();
    return !value.empty() && value[0] == '/' ? value : "";
  }
  return "";
}

std::string UserDir(const char* key, const char* fallback)
{
  const std::string home = HomeFolder();
  std::string configFolder = AbsoluteFromEnvironment("XDG_CONFIG_HOME");
  if (configFolder.empty())
    configFolder = home + "/.config";
  std::ifstream file(configFolder + "/user-dirs.dirs");
  std::stringstream config;
  config << file.rdbuf();
  const std::string found = UserDirFromConfig(config.str(), key, home);
  return !found.empty() ? found : home + "/" + fallback;
}

std::string AppDataFolder(bool allUsers)
{
  if (allUsers)
  {
    const char* list = std::getenv("XDG_DATA_DIRS");
    const std::string first = list != nullptr ? FirstOfList(list) : "";
    return !first.empty() ? first : "/usr/local/share";
  }
  const std::string data = AbsoluteFromEnvironment("XDG_DATA_HOME");
  return !data.empty() ? data : HomeFolder() + "/.local/share";
}

std::string FolderOf(const std::string& path)
{
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos || slash + 1 == path.size())
    return "";
  return path.substr(0, slash + 1);
}

std::string HostProgramFolder()
{
  char path[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  return length > 0 ? FolderOf(std::string(path, static_cast<std::size_t>(length))) : "";
}

std::string PluginModuleFolder()
{
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&PluginModuleFolder), &info) == 0 || info.dli_fname == nullptr)
    return "";
  char resolved[PATH_MAX];
  if (realpath(info.dli_fname, resolved) == nullptr)
    return FolderOf(info.dli_fname);
  return FolderOf(resolved);
}
