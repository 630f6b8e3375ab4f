#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/handles_win32.h"

namespace sovelin {

// Lays a verse out in the verse window's label and draws it. A verse that the label's font
// covers, written left to right with spaces between words, is drawn by DrawTextW exactly as
// the label always drew it. Any other verse is laid out here:
// - letters the label's font lacks come from a fallback font that has them, at the same size;
// - a verse whose first strong character is right-to-left is right-aligned and read from right
//   to left;
// - lines break where Uniscribe's ScriptBreak allows, which is between words in most scripts
//   and between characters in Chinese, Japanese and Thai; a word too wide for a line is cut
//   between characters, so the text stays inside the label.
class VerseLabel final {
 public:
  // The text to show (the padding blanks of a stored verse are dropped); false when it was
  // already shown.
  bool SetText(std::u16string_view text);
  const std::u16string& Text() const { return text_; }

  // Draws the text in `font` within `area`, clipped to it by the caller. The layout is kept
  // until the text, the font or the width changes.
  void Draw(HDC dc, HFONT font, const RECT& area);

  // What the last layout found: whether it laid the text out itself, read it from right to
  // left, and found a font with every letter.
  bool LaidOutHere() const { return !simple_; }
  bool RightToLeft() const { return rightToLeft_; }
  bool EveryLetterFound() const { return everyLetterFound_; }

 private:
  void Layout(HDC dc, HFONT font, int width);
  void BreakParagraph(HDC dc, size_t begin, size_t end, int width);

  std::u16string text_;
  bool laidOut_ = false;
  HFONT laidOutFont_ = nullptr;
  int laidOutWidth_ = 0;
  bool simple_ = true;
  bool rightToLeft_ = false;
  bool everyLetterFound_ = true;
  Font fallback_;                                 // when the label's font lacks letters
  std::vector<std::pair<size_t, size_t>> lines_;  // [begin, end) of each line in text_
};

}  // namespace sovelin
