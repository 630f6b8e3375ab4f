#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/random_source.h"

namespace sovelin {

// Every stored verse is a fixed field of this many characters.
inline constexpr size_t kVerseLength = 252;

// The verses of a run. Verse n (1 to gVerseCount) is gVerses[n]; element 0 is there only so
// that numbering starts at 1 (it holds blanks and is never shown). The count is 32-bit so that
// every line of a large verse file loads.
struct VerseStore {
  std::vector<std::string> gVerses{std::string(kVerseLength, ' ')};
  int32_t gVerseCount = 0;
};

// Pads text on the right with blanks, or cuts it, to exactly kVerseLength characters.
std::string FixedVerseField(std::string_view text);

// The verse number for a random value r in [0, 1): floor(verseCount * r + 1), never above
// verseCount.
int32_t PickVerseIndex(int32_t verseCount, float r);

// Draws one random value and picks a verse number from it, 1 to gVerseCount.
int32_t RandomVerseIndex(const VerseStore& store, RandomSource& random);

}  // namespace sovelin
