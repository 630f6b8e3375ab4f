// Feeds arbitrary bytes to the decoders of verse files: UTF-8, UTF-16 in both byte orders and
// the encoding choice. What comes out is always well-formed UTF-16 (no lone surrogate), and
// well-formed input comes out unchanged.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/unicode_text.h"
#include "fuzz/require.h"
#include "verses/verse_encoding.h"
#include "verses/verse_loader.h"

namespace {

bool IsWellFormedUtf16(std::u16string_view text) {
  for (size_t n = 0; n < text.size(); ++n) {
    if (sovelin::IsLowSurrogate(text[n])) return false;
    if (sovelin::IsHighSurrogate(text[n]) &&
        (++n == text.size() || !sovelin::IsLowSurrogate(text[n])))
      return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::u16string utf8 = sovelin::DecodeUtf8(bytes);
  Require(IsWellFormedUtf16(utf8));
  Require(utf8.size() <= bytes.size());
  // Well-formed UTF-8 decodes without a replacement it did not hold, and encodes back.
  if (sovelin::IsWellFormedUtf8(bytes)) Require(sovelin::EncodeUtf8(utf8) == bytes);
  for (const bool bigEndian : {false, true}) {
    const std::u16string utf16 = sovelin::DecodeUtf16(bytes, bigEndian);
    Require(IsWellFormedUtf16(utf16));
    Require(utf16.size() == (bytes.size() + 1) / 2);
  }
  const sovelin::DetectedEncoding detected = sovelin::DetectVerseEncoding(bytes);
  Require(detected.markBytes <= bytes.size());
  Require((detected.encoding == sovelin::VerseEncoding::kCodePage) == (detected.markBytes == 0) ||
          detected.encoding == sovelin::VerseEncoding::kUtf8);
  return 0;
}
