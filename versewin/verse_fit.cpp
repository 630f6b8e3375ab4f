#include "versewin/verse_fit.h"

#include <algorithm>
#include <vector>

namespace sovelin {

namespace {

constexpr char16_t kEllipsis = u'\u2026';

// Blanks and the line breaks inside a verse's text part words.
bool IsBlank(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\u3000' || c == u'\r' || c == u'\n';
}

bool IsLowSurrogate(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

// Where the verse's text ends: at the line break before its last line, or at its end.
size_t TextEnd(std::u16string_view verse) {
  const size_t lastBreak = verse.find_last_of(u"\r\n");
  if (lastBreak == std::u16string_view::npos) return verse.size();
  size_t end = lastBreak;
  while (end > 0 && (verse[end - 1] == u'\r' || verse[end - 1] == u'\n')) --end;
  return end;
}

// Where each word of `text` ends: after each run of non-blanks; in a text without blanks,
// after each character (a surrogate pair is one).
std::vector<size_t> WordEnds(std::u16string_view text) {
  std::vector<size_t> ends;
  for (size_t at = 0; at < text.size(); ++at) {
    const bool wordEnds = !IsBlank(text[at]) && (at + 1 == text.size() || IsBlank(text[at + 1]));
    if (wordEnds) ends.push_back(at + 1);
  }
  if (ends.size() != 1 || text.size() < 2) return ends;
  ends.clear();
  for (size_t at = 0; at < text.size(); ++at) {
    if (at + 1 == text.size() || !IsLowSurrogate(text[at + 1])) ends.push_back(at + 1);
  }
  return ends;
}

}  // namespace

int FitFloorHeight(int height) {
  return std::max(1, (3 * height + 4) / 5);
}

VerseFit FitVerse(int height, size_t wordCount, const std::function<bool(int, size_t)>& fits) {
  const int floor = std::min(height, FitFloorHeight(height));
  for (int tried = height; tried >= floor; --tried) {
    if (fits(tried, wordCount)) return {tried, wordCount, false};
  }
  // The most words that still fit: fewer words never take more room.
  size_t fitting = 0, tooMany = wordCount;
  while (tooMany - fitting > 1) {
    const size_t middle = fitting + (tooMany - fitting) / 2;
    (fits(floor, middle) ? fitting : tooMany) = middle;
  }
  return {floor, fitting, true};
}

size_t VerseWordCount(std::u16string_view verse) {
  return WordEnds(verse.substr(0, TextEnd(verse))).size();
}

std::u16string CutVerse(std::u16string_view verse, size_t words) {
  const size_t textEnd = TextEnd(verse);
  const std::vector<size_t> ends = WordEnds(verse.substr(0, textEnd));
  if (words >= ends.size()) return std::u16string(verse);
  std::u16string cut(verse.substr(0, words == 0 ? 0 : ends[words - 1]));
  cut += kEllipsis;
  cut += verse.substr(textEnd);
  return cut;
}

}  // namespace sovelin
