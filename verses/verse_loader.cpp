#include "verses/verse_loader.h"

#include <algorithm>
#include <cstddef>
#include <exception>
#include <fstream>
#include <new>

#include "common/texts.h"
#include "common/unicode_text.h"

namespace sovelin {
namespace {

constexpr std::u16string_view kLineBreak = u"\r\n";

// Length of the line without its leading and trailing blanks (only spaces count as blanks).
size_t TrimmedLength(std::u16string_view line) {
  const size_t first = line.find_first_not_of(u' ');
  if (first == std::u16string_view::npos) {
    return 0;
  }
  return line.find_last_not_of(u' ') - first + 1;
}

bool IsBlank(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\u00A0' || c == u'\u3000';
}

constexpr std::u16string_view kCodePageEndMarks = u",.?!\"";

// The five marks, the sentence marks of other scripts, and the closing quotation marks and
// parentheses that end a quoted or bracketed sentence the way the double quote does. The
// README lists them.
constexpr std::u16string_view kUnicodeEndMarks =
    u",.?!\""
    u"\u3002\uFF0E\uFF01\uFF1F\uFF0C\u3001\uFF61\uFF64"  // full-width and ideographic
    u"\u061F\u060C\u06D4"                                // Arabic and Urdu
    u"\u05C3"                                            // Hebrew sof pasuq
    u"\u0964\u0965"                                      // Devanagari danda, double danda
    u"\u037E"                                            // Greek question mark
    u"\u0589\u055D"                                      // Armenian full stop, comma
    u"\u1362\u1363\u1367"                                // Ethiopic full stop, comma, question
    u"\u104A\u104B"                                      // Myanmar
    u"\u17D4\u17D5"                                      // Khmer
    u"\u0F0D"                                            // Tibetan shad
    u"\u2026"                                            // ellipsis
    u"\u201D\u201C\u00BB\u300D\u300F\uFF02"              // closing quotation marks
    u")\uFF09";                                          // closing parentheses: "(Selah.)"

bool IsColon(char16_t c, VerseMarks marks) {
  return c == u':' || (marks == VerseMarks::kUnicode && c == u'\uFF1A');
}

bool IsEndMark(char16_t c, VerseMarks marks) {
  const std::u16string_view set =
      marks == VerseMarks::kUnicode ? kUnicodeEndMarks : kCodePageEndMarks;
  return set.find(c) != std::u16string_view::npos;
}

// The 1-based position of the last character of line equal to one accepted by match, searched
// from `from` down to `downTo` (both 1-based, a window entirely below 1 is empty); 0 if none.
template <typename Match>
size_t SearchDown(std::u16string_view line, ptrdiff_t from, ptrdiff_t downTo, Match match) {
  for (ptrdiff_t pos = from; pos >= std::max<ptrdiff_t>(1, downTo); --pos) {
    if (match(line[static_cast<size_t>(pos - 1)])) {
      return static_cast<size_t>(pos);
    }
  }
  return 0;
}

void AppendVerse(VerseStore& store, std::u16string_view verse) {
  store.gVerses.push_back(verse);
  ++store.gVerseCount;
}

// The first bytes of a file, at most `limit` of them; `cut` when the file goes on beyond
// them or reading failed part way.
struct BoundedRead {
  std::string bytes;
  bool cut = false;
  bool failed = false;  // cut by a read error rather than by the limit
};

BoundedRead ReadBounded(std::istream& file, int64_t limit) {
  BoundedRead read;
  const auto room = [&] { return limit - static_cast<int64_t>(read.bytes.size()); };
  try {
    char chunk[1 << 16];
    // Only what the stream holds ready is read in one go, so that bytes read before a read
    // error are kept.
    while (room() > 0 && file.peek() != std::istream::traits_type::eof()) {
      const int64_t ready = std::max<int64_t>(1, file.rdbuf()->in_avail());
      file.read(chunk, static_cast<std::streamsize>(
                           std::min<int64_t>({ready, int64_t{sizeof(chunk)}, room()})));
      read.bytes.append(chunk, static_cast<size_t>(file.gcount()));
    }
    read.failed = file.bad();
    read.cut = read.failed || (room() <= 0 && file.peek() != std::istream::traits_type::eof());
  } catch (const std::bad_alloc&) {
    throw;
  } catch (const std::exception&) {
    read.cut = read.failed = true;  // a stream that throws its read errors
  }
  return read;
}

// Calls onLine for each line of text until it returns false. A line ends at CR LF, at a lone
// CR or at a lone LF; the text after the last break is a line only when `lastIsWhole` (it is
// the line being read where a file was cut).
template <typename Char, typename OnLine>
void ForEachLine(std::basic_string_view<Char> text, bool lastIsWhole, OnLine onLine) {
  constexpr Char kBreaks[] = {Char('\r'), Char('\n'), Char(0)};
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find_first_of(kBreaks, start);
    if (end == text.npos) {
      if (lastIsWhole) onLine(text.substr(start));
      return;
    }
    if (!onLine(text.substr(start, end - start))) return;
    start = end + 1;
    if (text[end] == Char('\r') && start < text.size() && text[start] == Char('\n')) ++start;
  }
}

}  // namespace

std::filesystem::path VerseFilePath(const std::filesystem::path& folder) {
  return folder / kVerseFileName;
}

VerseLineParts SplitVerseLine(std::u16string_view line, VerseMarks marks) {
  // Positions index the line as read, while the window ends come from the trimmed length, so
  // leading blanks shift the windows left.
  const auto length = static_cast<ptrdiff_t>(TrimmedLength(line));
  const size_t colon =
      SearchDown(line, length, length - 20, [&](char16_t c) { return IsColon(c, marks); });
  if (colon == 0) {
    return {std::u16string(line), {}};
  }
  const size_t mark = SearchDown(line, static_cast<ptrdiff_t>(colon) - 5, length - 25,
                                 [&](char16_t c) { return IsEndMark(c, marks); });
  if (mark == 0) {
    return {std::u16string(line), {}};
  }
  // The end mark stays with the text and the one separator after it is dropped (both halves
  // of a surrogate pair). Scripts that put no space after their marks (Chinese, Japanese) keep
  // the character after the mark in Unicode files: only a blank is dropped there.
  size_t separator = 1;
  if (mark < line.size() && IsHighSurrogate(line[mark])) separator = 2;
  if (marks == VerseMarks::kUnicode && mark < line.size() && !IsBlank(line[mark])) separator = 0;
  return {std::u16string(line.substr(0, mark)),
          std::u16string(line.substr(std::min(line.size(), mark + separator)))};
}

std::u16string StoredVerse(std::u16string_view line, VerseMarks marks) {
  const VerseLineParts parts = SplitVerseLine(line, marks);
  return FixedVerseField(parts.text + std::u16string(kLineBreak) + parts.reference);
}

std::u16string CorruptFileText() {
  return FixedVerseField(
      DecodeUtf8(Tr("Sovel.vrs file is corrupt!\r\n\r\nNo more verses have been loaded.\r\n\r\n"
                    "Please fix the verse file before running again.")));
}

VerseLoadOutcome LoadVerses(VerseStore& store, std::istream& file, CodePageDecoder codePage,
                            const VerseLimits& limits) {
  try {
    if (!file) {
      AppendVerse(store, CorruptFileText());
      return VerseLoadOutcome::kUnreadable;
    }
    const int32_t countBefore = store.gVerseCount;
    const BoundedRead read = ReadBounded(file, limits.fileBytes);
    const DetectedEncoding detected = DetectVerseEncoding(read.bytes, read.cut);
    const std::string_view body = std::string_view(read.bytes).substr(detected.markBytes);
    bool full = false;
    const auto add = [&](std::u16string_view line, VerseMarks marks) {
      full = store.gVerseCount - countBefore >= limits.verses;
      if (!full) AppendVerse(store, StoredVerse(line, marks));
      return !full;
    };
    switch (detected.encoding) {
      case VerseEncoding::kUtf16LE:
      case VerseEncoding::kUtf16BE: {
        const std::u16string text = DecodeUtf16(body, detected.encoding == VerseEncoding::kUtf16BE);
        ForEachLine(std::u16string_view(text), !read.cut,
                    [&](std::u16string_view line) { return add(line, VerseMarks::kUnicode); });
        break;
      }
      case VerseEncoding::kUtf8:
        ForEachLine(body, !read.cut, [&](std::string_view line) {
          return add(DecodeUtf8(line), VerseMarks::kUnicode);
        });
        break;
      case VerseEncoding::kCodePage:
        ForEachLine(body, !read.cut, [&](std::string_view line) {
          return add(codePage(line), VerseMarks::kCodePage);
        });
        break;
    }
    // The line being read when the file was cut, or the first past the verse limit, gets the
    // corrupt-file text; verses read before stay. A file without a single line would leave the
    // run with nothing to show.
    const VerseLoadOutcome outcome = read.failed        ? VerseLoadOutcome::kUnreadable
                                     : full || read.cut ? VerseLoadOutcome::kTooLarge
                                     : store.gVerseCount == countBefore ? VerseLoadOutcome::kEmpty
                                                                        : VerseLoadOutcome::kLoaded;
    if (outcome != VerseLoadOutcome::kLoaded) AppendVerse(store, CorruptFileText());
    return outcome;
  } catch (const std::exception&) {
    // Out of memory: the verses read so far stay, with the corrupt-file text after them. What
    // was being read is released first, which leaves room for that one verse.
    try {
      AppendVerse(store, CorruptFileText());
    } catch (const std::exception&) {
    }
    return VerseLoadOutcome::kTooLarge;
  }
}

VerseLoadOutcome LoadVerses(VerseStore& store, const std::filesystem::path& path,
                            CodePageDecoder codePage) {
  try {
    std::ifstream file(path, std::ios::binary);
    return LoadVerses(store, file, codePage);
  } catch (const std::exception&) {
    try {
      AppendVerse(store, CorruptFileText());
    } catch (const std::exception&) {
    }
    return VerseLoadOutcome::kUnreadable;
  }
}

}  // namespace sovelin
