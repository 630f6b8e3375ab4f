#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "saver/verse_loader.h"

namespace sovelin {
namespace {

const std::filesystem::path kShippedFile = SOVELIN_SOURCE_DIR "/resources/sovel.vrs";

// The smallest label, on the bread window, holds ten lines of at least 23 characters.
constexpr size_t kLabelColumns = 23;
constexpr size_t kLabelLines = 10;
constexpr size_t kMaxTextLength = 200;

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Lines of a CR LF file, each without its break.
std::vector<std::string> CrLfLines(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end = bytes.find("\r\n"); end != std::string::npos; end = bytes.find("\r\n", start)) {
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

// Lines the text takes when wrapped at blanks to the given width.
size_t WrappedLines(const std::string& text, size_t columns) {
  std::istringstream words(text);
  size_t lines = 0;
  size_t used = 0;
  for (std::string word; words >> word;) {
    if (used > 0 && used + 1 + word.size() <= columns) {
      used += 1 + word.size();
    } else {
      ++lines;
      used = word.size();
    }
  }
  return lines;
}

TEST(ShippedVerses, IsAWindowsTextFileOfPlainLines) {
  const std::string bytes = ReadBytes(kShippedFile);
  ASSERT_FALSE(bytes.empty());
  EXPECT_TRUE(bytes.ends_with("\r\n"));
  size_t breaks = 0;
  for (size_t i = 0; i < bytes.size(); ++i) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    if (c == '\r') {
      ASSERT_EQ(bytes[i + 1], '\n') << "lone CR at byte " << i;
      ++breaks;
      ++i;
    } else {
      ASSERT_TRUE(c >= 0x20 && c < 0x7F) << "byte " << int{c} << " at " << i;
    }
  }
  EXPECT_EQ(bytes.find("  "), std::string::npos);
  EXPECT_EQ(CrLfLines(bytes).size(), breaks);
}

TEST(ShippedVerses, EveryLineLoadsWithItsWholeReferenceAndFitsTheSmallestLabel) {
  const std::vector<std::string> lines = CrLfLines(ReadBytes(kShippedFile));
  VerseStore store;
  LoadVerses(store, kShippedFile);
  EXPECT_GE(store.gVerseCount, 365);
  ASSERT_EQ(static_cast<size_t>(store.gVerseCount), lines.size());

  for (size_t n = 1; n <= lines.size(); ++n) {
    const std::string& line = lines[n - 1];
    SCOPED_TRACE(line);
    const VerseLineParts parts = SplitVerseLine(line);
    ASSERT_NE(parts.reference.find(':'), std::string::npos);
    EXPECT_EQ(parts.text + " " + parts.reference, line);
    EXPECT_LE(parts.text.size() + 2 + parts.reference.size(), kVerseLength);
    EXPECT_EQ(store.gVerses[n], StoredVerse(line));
    EXPECT_LE(parts.text.size(), kMaxTextLength);
    EXPECT_LE(
        WrappedLines(parts.text, kLabelColumns) + WrappedLines(parts.reference, kLabelColumns),
        kLabelLines);
  }
}

}  // namespace
}  // namespace sovelin
