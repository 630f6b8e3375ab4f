// Feeds arbitrary passwords, of any length and any byte, to the scrambling. It must never
// fail, keep the length, and ignore the case of the letters it upper-cases.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/require.h"
#include "password/scramble.h"

namespace {

std::string UpperCased(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(sovelin::UpperCaseWindows1252(uint8_t(c)));
  return upper;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string scrambled = sovelin::ScramblePassword(text, sovelin::UpperCaseWindows1252);
  Require(scrambled.size() == text.size());
  Require(sovelin::ScramblePassword(UpperCased(text), sovelin::UpperCaseWindows1252) == scrambled);
  return 0;
}
