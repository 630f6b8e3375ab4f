#include "common/numbers.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace sovelin {

double RoundHalfEven(double value) {
  const double below = std::floor(value);
  const double fraction = value - below;
  if (fraction < 0.5) return below;
  if (fraction > 0.5) return below + 1.0;
  return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

namespace {

template <typename Int>
std::optional<Int> RoundInto(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  const double rounded = RoundHalfEven(value);
  if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
      rounded > static_cast<double>(std::numeric_limits<Int>::max())) {
    return std::nullopt;
  }
  return static_cast<Int>(rounded);
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Length of the run of digits starting at pos.
size_t DigitRun(std::string_view text, size_t pos) {
  size_t end = pos;
  while (end < text.size() && IsDigit(text[end])) ++end;
  return end - pos;
}

}  // namespace

std::optional<int16_t> ToInt16(double value) {
  return RoundInto<int16_t>(value);
}

std::optional<int32_t> ToInt32(double value) {
  return RoundInto<int32_t>(value);
}

double NumericPrefix(std::string_view text) {
  size_t pos = 0;
  while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
  const size_t start = pos;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
  const size_t whole = DigitRun(text, pos);
  pos += whole;
  size_t fraction = 0;
  if (pos < text.size() && text[pos] == '.') {
    fraction = DigitRun(text, pos + 1);
    if (whole > 0 || fraction > 0) pos += 1 + fraction;
  }
  if (whole == 0 && fraction == 0) return 0.0;
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    size_t exponent = pos + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
    const size_t digits = DigitRun(text, exponent);
    if (digits > 0) pos = exponent + digits;
  }
  const std::string number(text.substr(start, pos - start));
  return std::strtod(number.c_str(), nullptr);
}

std::string DecimalText(int64_t value) {
  return std::to_string(value);
}

}  // namespace sovelin
