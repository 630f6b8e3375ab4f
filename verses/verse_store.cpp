#include "verses/verse_store.h"

#include <cmath>

#include "common/unicode_text.h"

namespace sovelin {

std::u16string_view CutToVerseLength(std::u16string_view text) {
  if (text.size() <= kVerseLength) return text;
  const bool splitsPair = IsHighSurrogate(text[kVerseLength - 1]);
  return text.substr(0, splitsPair ? kVerseLength - 1 : kVerseLength);
}

std::u16string FixedVerseField(std::u16string_view text) {
  std::u16string field(CutToVerseLength(text));
  field.resize(kVerseLength, u' ');
  return field;
}

std::u16string VerseFields::operator[](size_t n) const {
  const uint32_t begin = n == 0 ? 0 : ends_.at(n - 1);
  return FixedVerseField(std::u16string_view(text_).substr(begin, ends_.at(n) - begin));
}

void VerseFields::push_back(std::u16string_view text) {
  text = CutToVerseLength(text);
  text = text.substr(0, text.find_last_not_of(u' ') + 1);  // npos + 1 is 0: all blanks
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
