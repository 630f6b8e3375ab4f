#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace sovelin {

// Password fields accept at most this many characters. It keeps every key of the scrambling
// (the length and the positions) inside a byte, so every scrambled code is a byte too.
inline constexpr std::size_t kMaxPasswordLength = 255;

// The start constant of both scrambling passes.
inline constexpr int16_t kScrambleStart = 73;

// Upper-cases one character of the system's single-byte code page. On Windows the system's
// rules for the user's locale are passed; elsewhere UpperCaseWindows1252.
using UpperCaser = uint8_t (*)(uint8_t code);

// Upper-casing by the rules of code page 1252: a-z and the accented small letters.
uint8_t UpperCaseWindows1252(uint8_t code);

// True for the codes a scrambling step must never produce: control characters and the blank,
// 127..144, 147..159, and "=", "[" and "]". Negative codes are allowed.
bool IsForbiddenCode(int16_t code);

// One scrambling step: value becomes key XOR value, unless that is a forbidden code, in which
// case value keeps its old code.
void ScrambleChar(int16_t key, int16_t& value);

// The scrambled form of a password, of the same length: upper-cased, then a forward and (from
// two characters on) a backward pass of scrambling steps. It cannot be undone.
//
// Characters are bytes of the single-byte code page, read as codes 0..255. Within
// kMaxPasswordLength every step stays inside 0..255. A longer text, which no password field
// lets through, is still handled safely: its keys wrap to 16 bits and a code outside a byte is
// put back as its low byte, so it scrambles without failing and never matches a stored text
// of a different length.
std::string ScramblePassword(std::string_view text, UpperCaser upper);

}  // namespace sovelin
