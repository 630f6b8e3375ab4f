#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace sovelin {

// The character that stands where a text could not be decoded.
inline constexpr char16_t kReplacementCharacter = u'\uFFFD';

// UTF-8 to UTF-16. Each fault (a byte that cannot start a character, a sequence cut short, an
// overlong form, a surrogate or a value past U+10FFFF) gives one U+FFFD for its maximal part,
// as Unicode recommends, and decoding goes on after it.
std::u16string DecodeUtf8(std::string_view bytes);

// True when bytes are well-formed UTF-8 throughout. With `cutAtEnd`, a sequence that is only
// begun at the very end counts as well-formed, for bytes that stop in the middle of a file.
bool IsWellFormedUtf8(std::string_view bytes, bool cutAtEnd = false);

// UTF-16 in either byte order to UTF-16 in this program's order. Lone surrogates and a last
// byte without its partner give U+FFFD.
std::u16string DecodeUtf16(std::string_view bytes, bool bigEndian);

// The Windows-1252 code page (Western European), as Windows maps it; the five bytes it leaves
// undefined stand for the control characters of the same number.
std::u16string DecodeWindows1252(std::string_view bytes);

// UTF-16 to UTF-8, lone surrogates as U+FFFD.
std::string EncodeUtf8(std::u16string_view text);

inline bool IsHighSurrogate(char16_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}
inline bool IsLowSurrogate(char16_t unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace sovelin
