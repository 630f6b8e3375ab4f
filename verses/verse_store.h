#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/random_source.h"

namespace sovelin {

// Every stored verse is a fixed field of this many characters (UTF-16 code units; a
// character outside the Basic Multilingual Plane takes two, and is never cut in half).
inline constexpr size_t kVerseLength = 252;

// Fixed verse fields, stored compactly: each field without the blanks that pad it to
// kVerseLength, which are added back when it is read. Element 0 is a blank field.
class VerseFields {
 public:
  // Field n, exactly kVerseLength characters.
  std::u16string operator[](size_t n) const;
  size_t size() const { return ends_.size(); }
  // Appends text as a field (cut to kVerseLength). Leaves the fields as they were if it throws.
  void push_back(std::u16string_view text);
  // The bytes the fields take.
  size_t Bytes() const {
    return text_.capacity() * sizeof(char16_t) + ends_.capacity() * sizeof(uint32_t);
  }

 private:
  std::u16string text_;
  std::vector<uint32_t> ends_{0};  // where each field's text ends in text_
};

// The verses of a run, as UTF-16 text whatever the verse file's encoding. Verse n (1 to
// gVerseCount) is gVerses[n]; element 0 is there only so that numbering starts at 1 (it holds
// blanks and is never shown).
struct VerseStore {
  VerseFields gVerses;
  int32_t gVerseCount = 0;
};

// The first kVerseLength characters of text, or fewer where the cut would split a surrogate
// pair.
std::u16string_view CutToVerseLength(std::u16string_view text);

// Pads text on the right with blanks, or cuts it, to exactly kVerseLength characters.
std::u16string FixedVerseField(std::u16string_view text);

// The verse number for a random value r in [0, 1): floor(verseCount * r + 1), never above
// verseCount.
int32_t PickVerseIndex(int32_t verseCount, float r);

// Draws one random value and picks a verse number from it, 1 to gVerseCount.
int32_t RandomVerseIndex(const VerseStore& store, RandomSource& random);

}  // namespace sovelin
