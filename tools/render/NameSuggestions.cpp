#include "NameSuggestions.h"

#include <algorithm>
#include <cctype>
#include <numeric>

namespace
{
std::string Lower(std::string text)
{
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

// Insertions, deletions, substitutions and swaps of neighbours that turn
// `a` into `b`.
size_t EditDistance(const std::string& a, const std::string& b)
{
  std::vector<std::vector<size_t>> d(a.size() + 1, std::vector<size_t>(b.size() + 1));
  for (size_t i = 0; i <= a.size(); ++i)
    d[i][0] = i;
  std::iota(d[0].begin(), d[0].end(), size_t{0});
  for (size_t i = 1; i <= a.size(); ++i)
    for (size_t j = 1; j <= b.size(); ++j)
    {
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
    }
  return d[a.size()][b.size()];
}

bool ContainsWord(const std::string& name, const std::string& word)
{
  for (size_t at = name.find(word); at != std::string::npos; at = name.find(word, at + 1))
  {
    const bool startsWord = at == 0 || name[at - 1] == ' ';
    const bool endsWord = at + word.size() == name.size() || name[at + word.size()] == ' ';
    if (startsWord && endsWord)
      return true;
  }
  return false;
}
}

std::vector<std::string> NearestNames(const std::string& typed, const std::vector<std::string>& known, size_t count)
{
  const std::string lowerTyped = Lower(typed);
  // A third of the name may be mistyped, at least two letters of any name.
  const size_t tolerance = std::max<size_t>(2, lowerTyped.size() / 3);
  std::vector<std::pair<size_t, size_t>> candidates;  // distance, index in `known`
  for (size_t i = 0; i < known.size(); ++i)
  {
    const std::string name = Lower(known[i]);
    const size_t distance = EditDistance(lowerTyped, name);
    if (distance <= tolerance)
      candidates.emplace_back(distance, i);
    else if (lowerTyped.size() >= 3 && ContainsWord(name, lowerTyped))
      candidates.emplace_back(tolerance + 1, i);
  }
  std::stable_sort(candidates.begin(), candidates.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::string> nearest;
  for (size_t i = 0; i < candidates.size() && i < count; ++i)
    nearest.push_back(known[candidates[i].second]);
  return nearest;
}
