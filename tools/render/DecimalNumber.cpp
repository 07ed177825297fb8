#include "DecimalNumber.h"

#include <cctype>
#include <charconv>

namespace
{
bool IsDigit(char c)
{
  return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

size_t DigitsFrom(std::string_view text, size_t position)
{
  size_t end = position;
  while (end < text.size() && IsDigit(text[end]))
    ++end;
  return end - position;
}
}

size_t DecimalLength(std::string_view text)
{
  size_t position = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
  const size_t whole = DigitsFrom(text, position);
  position += whole;
  size_t fraction = 0;
  if (position < text.size() && text[position] == '.')
  {
    fraction = DigitsFrom(text, position + 1);
    if (whole > 0 || fraction > 0)
      position += 1 + fraction;
  }
  return whole > 0 || fraction > 0 ? position : 0;
}

std::optional<double> ParseDecimal(std::string_view text)
{
  if (text.empty() || DecimalLength(text) != text.size())
    return std::nullopt;
  // from_chars takes no '+' and reads the same digits in every locale.
  const std::string_view digits = text[0] == '+' ? text.substr(1) : text;
  double value = 0.0;
  const auto [end, problem] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                              std::chars_format::fixed);
  if (problem != std::errc{} || end != digits.data() + digits.size())
    return std::nullopt;
  return value;
}

std::optional<int> ParseWholeNumber(std::string_view text)
{
  if (text.empty() || DecimalLength(text) != text.size() || text.find('.') != std::string_view::npos)
    return std::nullopt;
  const std::string_view digits = text[0] == '+' ? text.substr(1) : text;
  int value = 0;
  const auto [end, problem] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (problem != std::errc{} || end != digits.data() + digits.size())
    return std::nullopt;
  return value;
}
