#include "platform/win/FilePaths.h"

#include <sstream>

std::string FolderOf(const std::string& path)
{
  const std::size_t separator = path.find_last_of("\\/");
  return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

FileDialogFilter FileDialogFilterFor(const char* extensions)
{
  FileDialogFilter result;
  std::istringstream words(extensions != nullptr ? extensions : "");
  std::string pattern;
  for (std::string word; words >> word;)
  {
    if (result.defaultExtension.empty())
      result.defaultExtension = word;
    if (!pattern.empty())
      pattern += ';';
    pattern += "*." + word;
  }
  if (pattern.empty())
    return result;
  result.filter = pattern;
  result.filter += '\0';
  result.filter += pattern;
  result.filter += '\0';
  result.filter += '\0';
  return result;
}
