#include "versewin/verse_label_win32.h"

#include <usp10.h>

#include <algorithm>
#include <array>

namespace sovelin {

namespace {

const wchar_t* Wide(const char16_t* text) {
  return reinterpret_cast<const wchar_t*>(text);
}

// Faces tried, in this order, for letters the label's font lacks: Microsoft Sans Serif first
// (the outline twin of the label's MS Sans Serif, with Greek, Cyrillic, Hebrew, Arabic and
// Thai), then faces of Windows for other scripts, then those Wine finds on Linux.
constexpr std::array<const wchar_t*, 18> kFallbackFaces{L"Microsoft Sans Serif",
                                                        L"Segoe UI",
                                                        L"Tahoma",
                                                        L"Microsoft YaHei",
                                                        L"SimSun",
                                                        L"Yu Gothic",
                                                        L"MS UI Gothic",
                                                        L"Malgun Gothic",
                                                        L"Nirmala UI",
                                                        L"Mangal",
                                                        L"Leelawadee UI",
                                                        L"Khmer UI",
                                                        L"Myanmar Text",
                                                        L"Ebrima",
                                                        L"Arial Unicode MS",
                                                        L"DejaVu Sans",
                                                        L"WenQuanYi Micro Hei",
                                                        L"WenQuanYi Zen Hei"};

bool IsSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDFFF;
}

// Scripts written without spaces between words, whose lines must break between characters:
// Thai, Lao, Tibetan, Myanmar, Khmer, Chinese, Japanese, Yi, compatibility ideographs and the
// full-width forms; characters outside the Basic Multilingual Plane are mostly ideographs.
bool IsWithoutSpaces(char16_t c) {
  return (c >= 0x0E00 && c <= 0x109F) || (c >= 0x1780 && c <= 0x17FF) ||
         (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0xFF00 && c <= 0xFFEF) || IsSurrogate(c);
}

// For a font whose glyphs GetGlyphIndicesW cannot read (a raster font such as MS Sans Serif on
// Windows): the characters its character set's code page has no code for.
size_t MissingInCharacterSet(HDC dc, std::u16string_view text) {
  CHARSETINFO info{};
  const auto charset = static_cast<uintptr_t>(GetTextCharset(dc));
  if (!TranslateCharsetInfo(reinterpret_cast<DWORD*>(charset), &info, TCI_SRCCHARSET))
    return text.size();
  size_t missing = 0;
  for (const char16_t c : text) {
    char code[4];
    BOOL unknown = FALSE;
    WideCharToMultiByte(info.ciACP, WC_NO_BEST_FIT_CHARS, Wide(&c), 1, code, sizeof(code), nullptr,
                        &unknown);
    missing += c >= 0x20 && (IsSurrogate(c) || unknown);
  }
  return missing;
}

// The number of characters of text that the font selected into dc has no glyph for. Control
// characters (the line break) draw nothing and do not count.
size_t MissingGlyphs(HDC dc, std::u16string_view text) {
  std::vector<WORD> glyphs(text.size());
  if (GetGlyphIndicesW(dc, Wide(text.data()), static_cast<int>(text.size()), glyphs.data(),
                       GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR) {
    return MissingInCharacterSet(dc, text);
  }
  size_t missing = 0;
  for (size_t n = 0; n < text.size(); ++n) {
    // Characters beyond the Basic Multilingual Plane are beyond GetGlyphIndicesW.
    missing += text[n] >= 0x20 && (IsSurrogate(text[n]) || glyphs[n] == 0xFFFF);
  }
  return missing;
}

// True when the first character with a strong direction is right-to-left (Hebrew, Arabic).
bool StartsRightToLeft(std::u16string_view text) {
  std::vector<WORD> types(text.size());
  if (text.empty() ||
      !GetStringTypeW(CT_CTYPE2, Wide(text.data()), static_cast<int>(text.size()), types.data()))
    return false;
  for (const WORD type : types) {
    if (type == C2_LEFTTORIGHT) return false;
    if (type == C2_RIGHTTOLEFT) return true;
  }
  return false;
}

// The font of the label at the same size in another face.
Font SameSizeIn(HFONT font, const wchar_t* face) {
  LOGFONTW shape{};
  GetObjectW(font, sizeof(shape), &shape);
  shape.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(shape.lfFaceName, face, LF_FACESIZE);
  return Font(CreateFontIndirectW(&shape));
}

// The fallback face that lacks the fewest of the text's letters (the first that lacks none);
// `fewest` starts as the number the label's font lacks and ends as the number still lacking.
Font FallbackFont(HDC dc, HFONT font, std::u16string_view text, size_t& fewest) {
  Font best;
  for (const wchar_t* face : kFallbackFaces) {
    Font candidate = SameSizeIn(font, face);
    const HGDIOBJ old = SelectObject(dc, candidate.get());
    const size_t missing = MissingGlyphs(dc, text);
    SelectObject(dc, old);
    if (missing < fewest) {
      fewest = missing;
      best = std::move(candidate);
      if (missing == 0) break;
    }
  }
  return best;
}

// Where a line may end in text (UTF-16): before each character that ScriptBreak marks as a soft
// break, and the character stops that a line too narrow for a word is cut at.
std::vector<SCRIPT_LOGATTR> BreakAttributes(std::u16string_view text) {
  std::vector<SCRIPT_LOGATTR> attributes(text.size());
  std::vector<SCRIPT_ITEM> items(text.size() + 2);
  int count = 0;
  if (text.empty() || FAILED(ScriptItemize(Wide(text.data()), static_cast<int>(text.size()),
                                           static_cast<int>(items.size()) - 1, nullptr, nullptr,
                                           items.data(), &count))) {
    for (SCRIPT_LOGATTR& attribute : attributes) attribute.fCharStop = 1;
    return attributes;
  }
  for (int i = 0; i < count; ++i) {
    const int begin = items[i].iCharPos, end = items[i + 1].iCharPos;
    ScriptBreak(Wide(text.data()) + begin, end - begin, &items[i].a, attributes.data() + begin);
  }
  return attributes;
}

int TextWidth(HDC dc, std::u16string_view text) {
  SIZE size{};
  GetTextExtentPoint32W(dc, Wide(text.data()), static_cast<int>(text.size()), &size);
  return size.cx;
}

bool IsBlank(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\u3000';
}

// The end of text[begin, end) without the blanks at its end.
size_t WithoutTrailingBlanks(std::u16string_view text, size_t begin, size_t end) {
  while (end > begin && IsBlank(text[end - 1])) --end;
  return end;
}

}  // namespace

bool VerseLabel::SetText(std::u16string_view text) {
  while (!text.empty() && text.back() == u' ') text.remove_suffix(1);
  if (text == text_) return false;
  text_ = text;
  laidOut_ = false;
  fitted_ = false;
  return true;
}

// The label's font at another height (its own when the height is its own).
HFONT VerseLabel::FontOfHeight(HFONT font, int height) {
  LOGFONTW shape{};
  GetObjectW(font, sizeof(shape), &shape);
  if (height == std::abs(shape.lfHeight)) return font;
  if (height != shrunkHeight_ || !shrunk_) {
    shape.lfHeight = shape.lfHeight < 0 ? -height : height;
    shape.lfWidth = 0;
    shrunk_ = Font(CreateFontIndirectW(&shape));
    shrunkHeight_ = height;
    laidOut_ = false;  // a new font may take the handle of the one just deleted
  }
  return shrunk_.get();
}

// Lays shown_ out in `font` and says whether it stays inside the area.
bool VerseLabel::FitsAt(HDC dc, HFONT font, const RECT& area) {
  const int width = area.right - area.left, height = area.bottom - area.top;
  Layout(dc, font, width);
  const HGDIOBJ old = SelectObject(dc, simple_ || !fallback_ ? font : fallback_.get());
  RECT box{0, 0, width, 0};
  if (simple_) {
    DrawTextW(dc, Wide(shown_.data()), static_cast<int>(shown_.size()), &box,
              DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
  } else {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    box.bottom = static_cast<LONG>(lines_.size()) * metrics.tmHeight;
  }
  SelectObject(dc, old);
  return box.right <= width && box.bottom <= height;
}

// Chooses the height and the cut the text is drawn with: as large as fits, whole if it can.
void VerseLabel::FitInto(HDC dc, HFONT font, const RECT& area) {
  fitted_ = true;
  fittedFont_ = font;
  fittedArea_ = {area.right - area.left, area.bottom - area.top};
  LOGFONTW shape{};
  GetObjectW(font, sizeof(shape), &shape);
  const size_t words = VerseWordCount(text_);
  const auto textOf = [&](size_t kept) { return kept < words ? CutVerse(text_, kept) : text_; };
  std::pair<int, size_t> lastTried;
  fit_ = FitVerse(std::abs(shape.lfHeight), words, [&](int height, size_t kept) {
    lastTried = {height, kept};
    shown_ = textOf(kept);
    return FitsAt(dc, FontOfHeight(font, height), area);
  });
  // Most verses fit at once: the layout of the last try is then the one to draw.
  const size_t kept = fit_.cut ? fit_.words : words;
  if (lastTried == std::pair(fit_.height, kept)) return;
  shown_ = textOf(kept);
  laidOut_ = false;
}

void VerseLabel::Layout(HDC dc, HFONT font, int width) {
  laidOut_ = true;
  laidOutFont_ = font;
  laidOutWidth_ = width;
  lines_.clear();
  fallback_.Reset();
  const HGDIOBJ old = SelectObject(dc, font);
  size_t missing = MissingGlyphs(dc, shown_);
  rightToLeft_ = StartsRightToLeft(shown_);
  simple_ =
      missing == 0 && !rightToLeft_ && std::none_of(shown_.begin(), shown_.end(), IsWithoutSpaces);
  if (!simple_) {
    if (missing > 0) fallback_ = FallbackFont(dc, font, shown_, missing);
    if (fallback_) SelectObject(dc, fallback_.get());
    // Each line of the stored verse (the text, then the reference) is a paragraph of its own.
    for (size_t begin = 0; begin <= shown_.size();) {
      size_t end = std::min(shown_.find_first_of(u"\r\n", begin), shown_.size());
      BreakParagraph(dc, begin, end, width);
      if (end + 1 < shown_.size() && shown_[end] == u'\r' && shown_[end + 1] == u'\n') ++end;
      begin = end + 1;
    }
  }
  everyLetterFound_ = missing == 0;
  SelectObject(dc, old);
}

// Breaks shown_[begin, end) into lines no wider than `width`: as many words (or characters,
// where the script has no spaces) as fit; a word wider than the line is cut between characters.
void VerseLabel::BreakParagraph(HDC dc, size_t begin, size_t end, int width) {
  const std::u16string_view paragraph(shown_.data() + begin, end - begin);
  const std::vector<SCRIPT_LOGATTR> breaks = BreakAttributes(paragraph);
  const auto fits = [&](size_t from, size_t to) {
    return TextWidth(dc, paragraph.substr(from, to - from)) <= width;
  };
  size_t from = 0;
  do {
    size_t line = 0;  // where the line ends, 0 while nothing fits
    for (size_t at = from + 1; at <= paragraph.size(); ++at) {
      if (at < paragraph.size() && !breaks[at].fSoftBreak) continue;
      if (!fits(from, WithoutTrailingBlanks(paragraph, from, at))) break;
      line = at;
    }
    if (line == 0) {
      for (size_t at = from + 1; at <= paragraph.size(); ++at) {
        if (at < paragraph.size() && !breaks[at].fCharStop) continue;
        if (line != 0 && !fits(from, at)) break;
        line = at;  // at least one character, even where it is wider than the line
      }
    }
    if (line == 0) line = paragraph.size();
    lines_.emplace_back(begin + from, begin + WithoutTrailingBlanks(paragraph, from, line));
    from = line;
    while (from < paragraph.size() && IsBlank(paragraph[from])) ++from;
  } while (from < paragraph.size());
}

void VerseLabel::Draw(HDC dc, HFONT labelFont, const RECT& area) {
  const int width = area.right - area.left;
  if (!fitted_ || labelFont != fittedFont_ || width != fittedArea_.cx ||
      area.bottom - area.top != fittedArea_.cy) {
    FitInto(dc, labelFont, area);
  }
  const HFONT font = FontOfHeight(labelFont, fit_.height);
  if (!laidOut_ || font != laidOutFont_ || width != laidOutWidth_) Layout(dc, font, width);
  if (simple_) {
    RECT box = area;
    SelectObject(dc, font);
    DrawTextW(dc, Wide(shown_.data()), static_cast<int>(shown_.size()), &box,
              DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
    return;
  }
  SelectObject(dc, fallback_ ? fallback_.get() : font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  const UINT align = rightToLeft_ ? DT_RIGHT | DT_RTLREADING : DT_LEFT;
  int top = area.top;
  for (const auto& [begin, end] : lines_) {
    if (top >= area.bottom) break;
    RECT box{area.left, top, area.right, top + metrics.tmHeight};
    DrawTextW(dc, Wide(shown_.data() + begin), static_cast<int>(end - begin), &box,
              align | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    top += metrics.tmHeight;
  }
}

}  // namespace sovelin
