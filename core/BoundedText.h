#pragma once

#include <string>

// A C text cut to at most maxLength characters; a missing text reads as
// empty. The framework's names and fields keep the lengths of their
// fixed-size counterparts.
inline std::string BoundedText(const char* text, std::string::size_type maxLength)
{
  std::string bounded = text ? text : "";
  if (bounded.size() > maxLength)
    bounded.resize(maxLength);
  return bounded;
}
