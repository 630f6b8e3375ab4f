#include "verses/verse_encoding.h"

#include <algorithm>

#include "common/unicode_text.h"

namespace sovelin {

DetectedEncoding DetectVerseEncoding(std::string_view bytes, bool cut) {
  if (bytes.starts_with("\xEF\xBB\xBF")) return {VerseEncoding::kUtf8, 3};
  if (bytes.starts_with("\xFF\xFE")) return {VerseEncoding::kUtf16LE, 2};
  if (bytes.starts_with("\xFE\xFF")) return {VerseEncoding::kUtf16BE, 2};
  const bool highByte =
      std::any_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) != 0; });
  if (highByte && IsWellFormedUtf8(bytes, cut)) return {VerseEncoding::kUtf8, 0};
  return {};
}

std::u16string DecodeVerseText(std::string_view bytes, CodePageDecoder codePage) {
  const DetectedEncoding detected = DetectVerseEncoding(bytes);
  const std::string_view body = bytes.substr(detected.markBytes);
  switch (detected.encoding) {
    case VerseEncoding::kUtf8: return DecodeUtf8(body);
    case VerseEncoding::kUtf16LE: return DecodeUtf16(body, false);
    case VerseEncoding::kUtf16BE: return DecodeUtf16(body, true);
    case VerseEncoding::kCodePage: break;
  }
  return codePage(body);
}

}  // namespace sovelin
