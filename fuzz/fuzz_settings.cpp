// Feeds arbitrary registry text to the settings number reader: it must never fail, and a
// number it accepts must be the rounded numeric prefix, inside the field.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/numbers.h"
#include "fuzz/require.h"
#include "settings/settings.h"

// Defaults far outside what any text rounds to within range, so a fallback is recognisable.
constexpr int16_t kShortDefault = -12345;
constexpr int32_t kLongDefault = -123456789;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double number = sovelin::NumericPrefix(text);
  Require(!std::isnan(number));

  Require(sovelin::ReadInt16Setting(text, kShortDefault) ==
          sovelin::ToInt16(number).value_or(kShortDefault));
  const auto longFit = sovelin::ToInt32(number);
  Require(sovelin::ReadInt32Setting(text, kLongDefault) == longFit.value_or(kLongDefault));
  if (longFit) Require(static_cast<double>(*longFit) == sovelin::RoundHalfEven(number));
  return 0;
}
