#include "saver/verse_loader.h"

#include <algorithm>
#include <cstddef>
#include <exception>
#include <fstream>

namespace sovelin {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

// Length of the line without its leading and trailing blanks (only spaces count as blanks).
size_t TrimmedLength(std::string_view line) {
  const size_t first = line.find_first_not_of(' ');
  if (first == std::string_view::npos) {
    return 0;
  }
  return line.find_last_not_of(' ') - first + 1;
}

bool IsEndMark(char c) {
  return c == ',' || c == '.' || c == '?' || c == '!' || c == '"';
}

// The 1-based position of the last character of line equal to one accepted by match, searched
// from `from` down to `downTo` (both 1-based, a window entirely below 1 is empty); 0 if none.
template <typename Match>
size_t SearchDown(std::string_view line, ptrdiff_t from, ptrdiff_t downTo, Match match) {
  for (ptrdiff_t pos = from; pos >= std::max<ptrdiff_t>(1, downTo); --pos) {
    if (match(line[static_cast<size_t>(pos - 1)])) {
      return static_cast<size_t>(pos);
    }
  }
  return 0;
}

enum class LineRead { kLine, kEndOfFile, kError };

// Reads the next line without its break. A line ends at CR LF, at a lone CR or at a lone LF;
// the last line of a file may have no break at all. Bytes are kept as they are. Reading more
// than `budget` bytes in all is an error.
LineRead ReadLine(std::istream& file, std::string& line, int64_t& budget) {
  line.clear();
  if (file.peek() == std::istream::traits_type::eof()) {
    return file.bad() ? LineRead::kError : LineRead::kEndOfFile;
  }
  char c = 0;
  while (file.get(c)) {
    if (--budget < 0) {
      return LineRead::kError;
    }
    if (c == '\n') {
      return LineRead::kLine;
    }
    if (c == '\r') {
      if (file.peek() == '\n') {
        file.get(c);
      }
      return file.bad() ? LineRead::kError : LineRead::kLine;
    }
    line.push_back(c);
  }
  return file.bad() ? LineRead::kError : LineRead::kLine;
}

void AppendVerse(VerseStore& store, std::string_view verse) {
  store.gVerses.push_back(verse);
  ++store.gVerseCount;
}

}  // namespace

std::string VerseFilePath(std::string_view directory) {
  std::string path(directory);
  path += '\\';
  path += kVerseFileName;
  return path;
}

VerseLineParts SplitVerseLine(std::string_view line) {
  // Positions index the line as read, while the window ends come from the trimmed length, so
  // leading blanks shift the windows left.
  const auto length = static_cast<ptrdiff_t>(TrimmedLength(line));
  const size_t colon = SearchDown(line, length, length - 20, [](char c) { return c == ':'; });
  if (colon == 0) {
    return {std::string(line), {}};
  }
  const size_t mark = SearchDown(line, static_cast<ptrdiff_t>(colon) - 5, length - 25, IsEndMark);
  if (mark == 0) {
    return {std::string(line), {}};
  }
  // The one separator after the end mark is dropped; the end mark stays with the text.
  return {std::string(line.substr(0, mark)), std::string(line.substr(mark + 1))};
}

std::string StoredVerse(std::string_view line) {
  const VerseLineParts parts = SplitVerseLine(line);
  return FixedVerseField(parts.text + std::string(kLineBreak) + parts.reference);
}

std::string CorruptFileText() {
  std::string text = "Sovel.vrs file is corrupt!";
  text += kLineBreak;
  text += kLineBreak;
  text += "No more verses have been loaded.";
  text += kLineBreak;
  text += kLineBreak;
  text += "Please fix the verse file before running again.";
  return FixedVerseField(text);
}

void LoadVerses(VerseStore& store, std::istream& file, const VerseLimits& limits) {
  try {
    if (!file) {
      AppendVerse(store, CorruptFileText());
      return;
    }
    const int32_t countBefore = store.gVerseCount;
    int64_t budget = limits.fileBytes;
    std::string line;
    for (;;) {
      const LineRead read = ReadLine(file, line, budget);
      if (read == LineRead::kEndOfFile) {
        break;
      }
      if (read == LineRead::kError || store.gVerseCount - countBefore >= limits.verses) {
        // The line being read gets the corrupt-file text; verses read before stay.
        AppendVerse(store, CorruptFileText());
        return;
      }
      AppendVerse(store, StoredVerse(line));
    }
    // A file without a single line would leave the run with nothing to show.
    if (store.gVerseCount == countBefore) {
      AppendVerse(store, CorruptFileText());
    }
  } catch (const std::exception&) {
    // Out of memory: the verses read so far stay, with the corrupt-file text after them. The
    // line being read is released first, which leaves room for that one verse.
    try {
      AppendVerse(store, CorruptFileText());
    } catch (const std::exception&) {
    }
  }
}

void LoadVerses(VerseStore& store, const std::filesystem::path& path) {
  try {
    std::ifstream file(path, std::ios::binary);
    LoadVerses(store, file);
  } catch (const std::exception&) {
    try {
      AppendVerse(store, CorruptFileText());
    } catch (const std::exception&) {
    }
  }
}

}  // namespace sovelin
