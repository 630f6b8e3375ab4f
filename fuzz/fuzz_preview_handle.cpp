// Feeds arbitrary command-line text to the preview handle reader. It must never fail, and
// reading the argument text must give the same handle as reading it lower-cased.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/require.h"
#include "startup/preview.h"

namespace {

std::string LowerAscii(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  return lower;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const int32_t handle = sovelin::ParsePreviewHandle(text);
  Require(sovelin::PreviewHandleFromArguments(text) ==
          sovelin::ParsePreviewHandle(LowerAscii(text)));
  // The handle is read from the end of the text, so the switch before it changes nothing.
  Require(sovelin::ParsePreviewHandle("/p " + std::string(text)) == handle);
  return 0;
}
