#include "saver/verse_store.h"

#include <cmath>

namespace sovelin {

std::string FixedVerseField(std::string_view text) {
  std::string field(text.substr(0, kVerseLength));
  field.resize(kVerseLength, ' ');
  return field;
}

std::string VerseFields::operator[](size_t n) const {
  const uint32_t begin = n == 0 ? 0 : ends_.at(n - 1);
  return FixedVerseField(std::string_view(text_).substr(begin, ends_.at(n) - begin));
}

void VerseFields::push_back(std::string_view text) {
  text = text.substr(0, kVerseLength);
  text = text.substr(0, text.find_last_not_of(' ') + 1);  // npos + 1 is 0: all blanks
  // Room first, so that the push_back below cannot throw after the text grew.
  if (ends_.size() == ends_.capacity()) ends_.reserve(ends_.size() * 2);
  text_.append(text);
  ends_.push_back(static_cast<uint32_t>(text_.size()));
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
