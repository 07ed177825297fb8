#pragma once

#include <string>

// The folder of a file path: everything up to and including its last
// separator ('\' or '/'); "" when it has none.
std::string FolderOf(const std::string& path);

// What a file dialog offers for a space-separated list of extensions such as
// "wav aif": the filter (the pattern "*.wav;*.aif" as description and as
// pattern, each ended by a zero, then a final zero) and the default
// extension (the first word). Runs of spaces separate like one.
struct FileDialogFilter
{
  std::string filter;
  std::string defaultExtension;
};

FileDialogFilter FileDialogFilterFor(const char* extensions);
