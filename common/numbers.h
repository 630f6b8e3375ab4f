#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sovelin {

// Rounds to the nearest whole number; a value exactly halfway goes to the even neighbour
// (2.5 -> 2, 3.5 -> 4), the way the program converts every fraction it stores.
double RoundHalfEven(double value);

// The rounded value when it fits a 16-bit signed field, otherwise nothing.
std::optional<int16_t> ToInt16(double value);

// The rounded value when it fits a 32-bit signed field, otherwise nothing.
std::optional<int32_t> ToInt32(double value);

// The leading decimal number of a text: blanks skipped, optional sign, digits, optional
// fraction and exponent; reading stops at the first character that does not fit.
// A text without such a prefix (the empty text too) gives 0; a prefix too large for a
// double gives an infinity, which no field can hold.
double NumericPrefix(std::string_view text);

// Plain decimal text: a minus sign for negative values, no blank, no decimal point.
std::string DecimalText(int64_t value);

}  // namespace sovelin
