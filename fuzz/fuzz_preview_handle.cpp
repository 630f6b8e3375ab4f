// Feeds arbitrary command-line text to the preview handle reader. It must never fail, and the
// handle read from the end of the text must not change when a switch stands before it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/require.h"
#include "startup/preview.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  sovelin::PreviewHandleFromArguments(text);
  Require(sovelin::ParsePreviewHandle("/p " + std::string(text)) ==
          sovelin::ParsePreviewHandle(text));
  return 0;
}
