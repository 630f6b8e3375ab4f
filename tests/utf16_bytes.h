#pragma once

#include <string>
#include <string_view>

namespace sovelin {

// The bytes of text in UTF-16, little or big endian, worked out unit by unit.
inline std::string Utf16Bytes(std::u16string_view text, bool bigEndian) {
  std::string bytes;
  for (const char16_t unit : text) {
    const char low = static_cast<char>(unit & 0xFF), high = static_cast<char>(unit >> 8);
    bytes += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}

}  // namespace sovelin
