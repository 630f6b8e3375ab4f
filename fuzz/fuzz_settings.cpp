// Feeds arbitrary registry text to the settings number readers: they must never fail, and a
// number read into a field must be the rounded numeric prefix.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/numbers.h"
#include "fuzz/require.h"
#include "settings/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double number = sovelin::NumericPrefix(text);
  Require(!std::isnan(number));
  sovelin::ReadInt16Setting(text, 0);
  if (const auto fit = sovelin::ToInt32(number))
    Require(static_cast<double>(*fit) == sovelin::RoundHalfEven(number));
  return 0;
}
