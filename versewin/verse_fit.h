#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace sovelin {

// The smallest font height a verse shrinks to before it is cut: 60 % of the window's own
// height in pixels, rounded up, at least 1.
int FitFloorHeight(int height);

// How a verse is shown in its label: at which font height, and whether (and after how many
// of its words) it is cut.
struct VerseFit {
  int height = 0;
  size_t words = 0;  // words kept when cut
  bool cut = false;
};

// Chooses how a verse fits. `fits(height, words)` says whether the verse fits at that font
// height with only its first `words` words (followed by an ellipsis) or, with every word,
// whole; the reference always counts whole. The verse is shown at the largest height from
// `height` down to the floor, one pixel at a time, at which it fits whole; failing that, at
// the floor, cut after as many words as fit (0 when not even one does).
VerseFit FitVerse(int height, size_t wordCount, const std::function<bool(int, size_t)>& fits);

// The words of a verse's text (what stands before its last line, the reference). A text
// without blanks (Chinese, Japanese) counts each character as a word.
size_t VerseWordCount(std::u16string_view verse);

// The verse with its text cut after `words` words and an ellipsis put in their place; its
// reference stays whole.
std::u16string CutVerse(std::u16string_view verse, size_t words);

}  // namespace sovelin
