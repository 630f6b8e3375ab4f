#include "password/scramble.h"

namespace sovelin {

namespace {

// The code of the character at index (0-based), as the scrambling reads it: 0..255.
int16_t CodeAt(const std::string& text, std::size_t index) {
  return static_cast<uint8_t>(text[index]);
}

// Puts the character with the given code at index; a code outside a byte keeps its low byte.
void PutCode(std::string& text, std::size_t index, int16_t code) {
  text[index] = static_cast<char>(static_cast<uint8_t>(code & 0xFF));
}

// A count or position used as a key, taken as a 16-bit signed number.
int16_t KeyFrom(std::size_t count) {
  return static_cast<int16_t>(static_cast<uint16_t>(count));
}

// Forward pass: each character is scrambled with the length, then the first with the start
// constant and every other with its 1-based position minus one and its new left neighbour.
void ScrambleForward(std::string& text) {
  const int16_t length = KeyFrom(text.size());
  for (std::size_t index = 0; index < text.size(); ++index) {
    int16_t code = CodeAt(text, index);
    ScrambleChar(length, code);
    if (index == 0) {
      ScrambleChar(kScrambleStart, code);
    } else {
      ScrambleChar(KeyFrom(index), code);
      ScrambleChar(CodeAt(text, index - 1), code);
    }
    PutCode(text, index, code);
  }
}

// Backward pass: the mirror image, from the last character to the first, using the new right
// neighbour.
void ScrambleBackward(std::string& text) {
  const int16_t length = KeyFrom(text.size());
  for (std::size_t index = text.size(); index-- > 0;) {
    int16_t code = CodeAt(text, index);
    ScrambleChar(length, code);
    if (index == text.size() - 1) {
      ScrambleChar(kScrambleStart, code);
    } else {
      ScrambleChar(KeyFrom(index), code);
      ScrambleChar(CodeAt(text, index + 1), code);
    }
    PutCode(text, index, code);
  }
}

}  // namespace

uint8_t UpperCaseWindows1252(uint8_t code) {
  if (code >= 'a' && code <= 'z') {
    return static_cast<uint8_t>(code - 0x20);
  }
  if (code >= 0xE0 && code <= 0xFE && code != 0xF7) {
    return static_cast<uint8_t>(code - 0x20);
  }
  switch (code) {
    case 0x9A:  // s with caron
    case 0x9C:  // oe ligature
    case 0x9E:  // z with caron
      return static_cast<uint8_t>(code - 0x10);
    case 0xFF:  // y with diaeresis
      return 0x9F;
    default: return code;
  }
}

bool IsForbiddenCode(int16_t code) {
  return (code >= 0 && code <= 32) || (code >= 127 && code <= 144) ||
         (code >= 147 && code <= 159) || code == '=' || code == '[' || code == ']';
}

void ScrambleChar(int16_t key, int16_t& value) {
  const auto result = static_cast<int16_t>(key ^ value);
  if (!IsForbiddenCode(result)) {
    value = result;
  }
}

std::string ScramblePassword(std::string_view text, UpperCaser upper) {
  // The working copy is scrambled in place and returned, so the typed text is not kept.
  std::string scrambled(text.size(), '\0');
  for (std::size_t index = 0; index < text.size(); ++index) {
    scrambled[index] = static_cast<char>(upper(static_cast<uint8_t>(text[index])));
  }
  if (scrambled.empty()) {
    return scrambled;
  }
  ScrambleForward(scrambled);
  if (scrambled.size() > 1) {
    ScrambleBackward(scrambled);
  }
  return scrambled;
}

}  // namespace sovelin
