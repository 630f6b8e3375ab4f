#include "saver/verse_store.h"

#include <cmath>

namespace sovelin {

std::string FixedVerseField(std::string_view text) {
  std::string field(text.substr(0, kVerseLength));
  field.resize(kVerseLength, ' ');
  return field;
}

int32_t PickVerseIndex(int32_t verseCount, float r) {
  // Double keeps every index reachable even for counts beyond a float's 24-bit mantissa.
  const double index = std::floor(static_cast<double>(verseCount) * r + 1.0);
  if (index > verseCount) {
    return verseCount;
  }
  return static_cast<int32_t>(index);
}

int32_t RandomVerseIndex(const VerseStore& store, RandomSource& random) {
  return PickVerseIndex(store.gVerseCount, random.Next());
}

}  // namespace sovelin
