#include "common/unicode_text.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace sovelin {
namespace {

// One step through UTF-8: the character at a position, or the length of the fault there.
struct Utf8Step {
  char32_t character = 0;
  size_t length = 1;
  bool wellFormed = false;
  bool cutShort = false;  // a well-begun sequence that the bytes end in
};

// Lead byte: how many bytes the sequence has and the range its second byte must lie in
// (narrower after E0, ED, F0 and F4, which excludes overlong forms, surrogates and values past
// U+10FFFF). A length of 0 marks a byte that cannot start a character.
struct LeadByte {
  uint8_t length = 0;
  uint8_t secondLow = 0x80;
  uint8_t secondHigh = 0xBF;
};

LeadByte Lead(uint8_t byte) {
  if (byte >= 0xC2 && byte <= 0xDF) return {2};
  if (byte == 0xE0) return {3, 0xA0, 0xBF};
  if (byte == 0xED) return {3, 0x80, 0x9F};
  if (byte >= 0xE1 && byte <= 0xEF) return {3};
  if (byte == 0xF0) return {4, 0x90, 0xBF};
  if (byte >= 0xF1 && byte <= 0xF3) return {4};
  if (byte == 0xF4) return {4, 0x80, 0x8F};
  return {};
}

Utf8Step NextUtf8(std::string_view bytes, size_t at) {
  const auto byte = static_cast<uint8_t>(bytes[at]);
  if (byte < 0x80) return {byte, 1, true, false};
  const LeadByte lead = Lead(byte);
  if (lead.length == 0) return {};
  char32_t character = byte & (0x7F >> lead.length);
  size_t length = 1;
  for (; length < lead.length; ++length) {
    if (at + length >= bytes.size()) return {0, length, false, true};
    const auto next = static_cast<uint8_t>(bytes[at + length]);
    const uint8_t low = length == 1 ? lead.secondLow : 0x80;
    const uint8_t high = length == 1 ? lead.secondHigh : 0xBF;
    if (next < low || next > high) return {0, length, false, false};
    character = (character << 6) | (next & 0x3F);
  }
  return {character, length, true, false};
}

void Append(std::u16string& text, char32_t character) {
  if (character < 0x10000) {
    text.push_back(static_cast<char16_t>(character));
    return;
  }
  character -= 0x10000;
  text.push_back(static_cast<char16_t>(0xD800 + (character >> 10)));
  text.push_back(static_cast<char16_t>(0xDC00 + (character & 0x3FF)));
}

// Windows-1252's bytes 0x80 to 0x9F; the rest of the code page is Latin-1.
constexpr std::array<char16_t, 32> k1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

std::u16string DecodeUtf8(std::string_view bytes) {
  std::u16string text;
  text.reserve(bytes.size());
  for (size_t at = 0; at < bytes.size();) {
    const Utf8Step step = NextUtf8(bytes, at);
    Append(text, step.wellFormed ? step.character : kReplacementCharacter);
    at += step.length;
  }
  return text;
}

bool IsWellFormedUtf8(std::string_view bytes, bool cutAtEnd) {
  for (size_t at = 0; at < bytes.size();) {
    const Utf8Step step = NextUtf8(bytes, at);
    if (!step.wellFormed) return cutAtEnd && step.cutShort;
    at += step.length;
  }
  return true;
}

std::u16string DecodeUtf16(std::string_view bytes, bool bigEndian) {
  std::u16string text;
  text.reserve(bytes.size() / 2 + 1);
  const auto unitAt = [&](size_t at) {
    const auto first = static_cast<uint8_t>(bytes[at]);
    const auto second = static_cast<uint8_t>(bytes[at + 1]);
    return static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
  };
  const size_t units = bytes.size() / 2;
  for (size_t n = 0; n < units; ++n) {
    const char16_t unit = unitAt(2 * n);
    if (IsHighSurrogate(unit) && n + 1 < units && IsLowSurrogate(unitAt(2 * n + 2))) {
      text.push_back(unit);
      text.push_back(unitAt(2 * ++n));
    } else {
      text.push_back(IsHighSurrogate(unit) || IsLowSurrogate(unit) ? kReplacementCharacter : unit);
    }
  }
  if (bytes.size() % 2 != 0) text.push_back(kReplacementCharacter);
  return text;
}

std::u16string DecodeWindows1252(std::string_view bytes) {
  std::u16string text(bytes.size(), u'\0');
  for (size_t n = 0; n < bytes.size(); ++n) {
    const auto byte = static_cast<uint8_t>(bytes[n]);
    text[n] = byte >= 0x80 && byte < 0xA0 ? k1252High[byte - 0x80] : byte;
  }
  return text;
}

std::string EncodeUtf8(std::u16string_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (size_t n = 0; n < text.size(); ++n) {
    char32_t c = text[n];
    if (IsHighSurrogate(text[n]) && n + 1 < text.size() && IsLowSurrogate(text[n + 1])) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++n] - 0xDC00);
    } else if (IsHighSurrogate(text[n]) || IsLowSurrogate(text[n])) {
      c = kReplacementCharacter;
    }
    if (c < 0x80) {
      bytes.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      bytes.push_back(static_cast<char>(0xC0 | (c >> 6)));
      bytes.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      bytes.push_back(static_cast<char>(0xE0 | (c >> 12)));
      bytes.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      bytes.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      bytes.push_back(static_cast<char>(0xF0 | (c >> 18)));
      bytes.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
      bytes.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      bytes.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return bytes;
}

}  // namespace sovelin
