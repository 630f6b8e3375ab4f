#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/handles_win32.h"
#include "versewin/verse_fit.h"

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
// A verse too long for the label is drawn smaller, down to 60 % of the font's height, and
// below that cut at a word with an ellipsis; its reference (the last line) always shows whole.
class VerseLabel final {
 public:
  // The text to show (the padding blanks of a stored verse are dropped); false when it was
  // already shown.
  bool SetText(std::u16string_view text);
  const std::u16string& Text() const { return text_; }

  // Draws the text in `font` (or smaller, to fit) within `area`, clipped to it by the caller.
  // The fit and the layout are kept until the text, the font or the area changes.
  void Draw(HDC dc, HFONT font, const RECT& area);

  // What the last fit chose: the font height in pixels, whether the text was cut, and the
  // text drawn.
  const VerseFit& Fit() const { return fit_; }
  const std::u16string& Shown() const { return shown_; }

  // What the last layout found: whether it laid the text out itself, read it from right to
  // left, and found a font with every letter.
  bool LaidOutHere() const { return !simple_; }
  bool RightToLeft() const { return rightToLeft_; }
  bool EveryLetterFound() const { return everyLetterFound_; }

 private:
  void FitInto(HDC dc, HFONT font, const RECT& area);
  HFONT FontOfHeight(HFONT font, int height);
  bool FitsAt(HDC dc, HFONT font, const RECT& area);
  void Layout(HDC dc, HFONT font, int width);
  void BreakParagraph(HDC dc, size_t begin, size_t end, int width);

  std::u16string text_;
  std::u16string shown_;  // the text as drawn: whole, or cut to fit
  bool fitted_ = false;
  HFONT fittedFont_ = nullptr;
  SIZE fittedArea_{};
  VerseFit fit_;
  Font shrunk_;  // the font at the fitted height, when smaller than its own
  int shrunkHeight_ = 0;
  bool laidOut_ = false;
  HFONT laidOutFont_ = nullptr;
  int laidOutWidth_ = 0;
  bool simple_ = true;
  bool rightToLeft_ = false;
  bool everyLetterFound_ = true;
  Font fallback_;                                 // when the label's font lacks letters
  std::vector<std::pair<size_t, size_t>> lines_;  // [begin, end) of each line in shown_
};

}  // namespace sovelin
