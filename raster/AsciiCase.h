#pragma once

// Compares two texts ignoring the case of ASCII letters only, the way the
// platform compares resource type names, independent of the C locale.
inline bool EqualsIgnoringAsciiCase(const char* a, const char* b)
{
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  for (; *a != '\0' && *b != '\0'; ++a, ++b)
  {
    if (lower(*a) != lower(*b))
      return false;
  }
  return *a == *b;
}
