#pragma once

#include <optional>
#include <string_view>

// Numbers as people type them: decimal digits with an optional sign and an
// optional fraction ("6", "-3.5", "+0.25", ".5"). Hexadecimal, exponents,
// "nan", "inf", spaces and anything after the digits are refused, so a typo
// never passes for a value.
std::optional<double> ParseDecimal(std::string_view text);

// A whole decimal number with an optional sign that fits an int.
std::optional<int> ParseWholeNumber(std::string_view text);

// The longest decimal number at the start of `text` (sign, digits, fraction),
// or 0 characters when there is none.
size_t DecimalLength(std::string_view text);
