#pragma once

#include <cctype>
#include <string>

// A table case's description as a test name: letters and digits, '_' for
// the rest.
inline std::string CaseName(const std::string& what)
{
  std::string name;
  for (const char c : what)
    name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return name;
}
