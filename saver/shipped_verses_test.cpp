#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "saver/verse_loader.h"

namespace sovelin {
namespace {

const std::filesystem::path kShippedFile = SOVELIN_SOURCE_DIR "/resources/sovel.vrs";

// Whether each verse fits the smallest label is measured in its real font in
// shipped_verses_fit_win32_test.cpp.
constexpr size_t kMaxTextLength = 200;

TEST(ShippedVerses, EveryLineLoadsWithItsWholeReferenceAsPlainText) {
  std::ifstream file(kShippedFile, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(file), {}};
  ASSERT_TRUE(bytes.ends_with("\r\n"));
  VerseStore store;
  LoadVerses(store, kShippedFile);
  EXPECT_GE(store.gVerseCount, 365);

  int32_t n = 0;
  for (size_t start = 0, end; (end = bytes.find("\r\n", start)) != std::string::npos;
       start = end + 2) {
    const std::string line = bytes.substr(start, end - start);
    SCOPED_TRACE(line);
    ASSERT_LT(n, store.gVerseCount);
    EXPECT_EQ(store.gVerses[++n], StoredVerse(line));
    // Plain text: printable ASCII, no lone line break, single blanks.
    EXPECT_EQ(line.find_first_not_of(" !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                     "[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~"),
              std::string::npos);
    EXPECT_EQ(line.find("  "), std::string::npos);

    const VerseLineParts parts = SplitVerseLine(line);
    ASSERT_NE(parts.reference.find(':'), std::string::npos);
    EXPECT_EQ(parts.text + " " + parts.reference, line);
    EXPECT_LE(parts.text.size() + 2 + parts.reference.size(), kVerseLength);
    EXPECT_LE(parts.text.size(), kMaxTextLength);
  }
  EXPECT_EQ(n, store.gVerseCount);
}

}  // namespace
}  // namespace sovelin
