#include "saver/verse_loader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>

namespace sovelin {
namespace {

using Parts = std::pair<std::string, std::string>;

Parts Split(std::string_view line) {
  VerseLineParts parts = SplitVerseLine(line);
  return {std::move(parts.text), std::move(parts.reference)};
}

std::string Blanks(size_t count) {
  return std::string(count, ' ');
}

VerseStore Load(const std::string& bytes) {
  VerseStore store;
  std::istringstream file(bytes);
  LoadVerses(store, file);
  return store;
}

// A file that hands out its bytes and then fails to read.
class FailingBuffer final : public std::streambuf {
 public:
  explicit FailingBuffer(std::string bytes) : bytes_(std::move(bytes)) {
    setg(bytes_.data(), bytes_.data(), bytes_.data() + bytes_.size());
  }

 protected:
  int_type underflow() override { throw std::runtime_error("read error"); }

 private:
  std::string bytes_;
};

TEST(SplitVerseLine, SplitsAtTheLastEndMarkWithinTheWindowsOfTheTrimmedLength) {
  // {line, text, reference}; no text: the line stays whole with no reference.
  const std::tuple<std::string, const char*, std::string> cases[] = {
      {"Love is kind! 1 Cor. 13:4-7", "Love is kind!", "1 Cor. 13:4-7"},
      {"He said, \"Go.\" Mark 16:15", "He said, \"Go.\"", "Mark 16:15"},
      {"x. 123:4", "x.", "123:4"},  // the end mark at least five before the colon
      {"x. 12:3", nullptr, ""},
      {"Text. Book 1:xxxxxxxxxxxxxxxxxxxxx", nullptr, ""},  // colon beyond its window
      {"Amen. 123456789012345678901 1:2", nullptr, ""},     // mark beyond its window
      {"Amen. 12345678901234567890 1:2", "Amen.", "12345678901234567890 1:2"},
      {"In the beginning God created the heaven and the earth. Genesis 1", nullptr, ""},
      {"No end mark here Psalm 23:1", nullptr, ""},
      {"", nullptr, ""},
      {".:", nullptr, ""},
      {"a.   :", nullptr, ""},
      // Windows end at the trimmed length while positions count leading blanks.
      {"   Jesus wept. John 1:35   ", nullptr, ""},
      {"   Jesus wept. John 1:350", "   Jesus wept.", "John 1:350"},
      {"Jesus wept. John 1:35" + Blanks(30), "Jesus wept.", "John 1:35" + Blanks(30)},
  };
  for (const auto& [line, text, reference] : cases)
    EXPECT_EQ(Split(line), Parts(text ? text : line, reference)) << line;
}

TEST(StoredVerse, IsAlwaysTheFixedFieldAndCutsOverlongLines) {
  EXPECT_EQ(StoredVerse(""), "\r\n" + Blanks(250));
  EXPECT_EQ(StoredVerse(std::string(245, 'a') + ". Psalm 119:105"),
            std::string(245, 'a') + ".\r\nPsal");
  EXPECT_EQ(CorruptFileText(),
            FixedVerseField("Sovel.vrs file is corrupt!\r\n\r\nNo more verses have been loaded."
                            "\r\n\r\nPlease fix the verse file before running again."));
}

TEST(LoadVerses, AppendsOneVersePerLineWhateverTheLineBreak) {
  const VerseStore store = Load("Jesus wept. John 11:35\r\n\nA.   Job 1:1\rlast. Job 2:2");
  ASSERT_EQ(store.gVerseCount, 4);
  ASSERT_EQ(store.gVerses.size(), 5u);
  EXPECT_EQ(store.gVerses[0], Blanks(kVerseLength));
  EXPECT_EQ(store.gVerses[1], StoredVerse("Jesus wept. John 11:35"));
  EXPECT_EQ(store.gVerses[2], "\r\n" + Blanks(250));
  EXPECT_EQ(store.gVerses[3], StoredVerse("A.   Job 1:1"));
  EXPECT_EQ(store.gVerses[4], StoredVerse("last. Job 2:2"));

  // A break at the very end adds no empty verse; LF CR is two breaks.
  for (const char* bytes : {"a. Job 1:1\r\n", "a. Job 1:1\n", "a. Job 1:1\r", "\r\n"}) {
    EXPECT_EQ(Load(bytes).gVerseCount, 1) << bytes;
  }
  EXPECT_EQ(Load("a\r\n\r\n").gVerseCount, 2);
  EXPECT_EQ(Load("a\n\rb").gVerseCount, 3);
}

TEST(LoadVerses, KeepsNulAndHighBytes) {
  const VerseStore store = Load(std::string("caf\xE9\0\xFF. Job 1:1\r\n", 17));
  ASSERT_EQ(store.gVerseCount, 1);
  EXPECT_EQ(store.gVerses[1], FixedVerseField(std::string("caf\xE9\0\xFF.\r\nJob 1:1", 16)));
}

TEST(LoadVerses, MissingOrEmptyFilesGiveTheCorruptFileTextAsTheOnlyVerse) {
  VerseStore missing;
  LoadVerses(missing, std::filesystem::path("/nonexistent/dir/sovel.vrs"));
  for (const VerseStore& store : {missing, Load("")}) {
    ASSERT_EQ(store.gVerseCount, 1);
    ASSERT_EQ(store.gVerses.size(), 2u);
    EXPECT_EQ(store.gVerses[1], CorruptFileText());
  }
}

TEST(LoadVerses, AReadErrorOrALineBeyondTheLimitsReplacesThatLineAndStops) {
  // Fails inside the second line, then exactly where the second line would start; a stream
  // that throws its errors (as running out of memory does) ends the same way.
  for (const bool throws : {false, true}) {
    for (const char* bytes : {"one. Job 1:1\r\ntwo", "one. Job 1:1\r\n"}) {
      FailingBuffer failing(bytes);
      std::istream file(&failing);
      if (throws) file.exceptions(std::ios::badbit);
      VerseStore store;
      LoadVerses(store, file);
      ASSERT_EQ(store.gVerseCount, 2);
      EXPECT_EQ(store.gVerses[1], StoredVerse("one. Job 1:1"));
      EXPECT_EQ(store.gVerses[2], CorruptFileText());
    }
  }
  VerseStore store;
  std::istringstream file("one. Job 1:1\r\ntwo. Job 2:2\r\n");
  LoadVerses(store, file, VerseLimits{.fileBytes = 20});
  ASSERT_EQ(store.gVerseCount, 2);
  EXPECT_EQ(store.gVerses[2], CorruptFileText());
}

TEST(LoadVerses, AHugeFileStopsAtTheVerseLimitAndEachVerseTakesLittleMemory) {
  std::string bytes;
  for (int i = 0; i <= 100'000; ++i) bytes += "v. Job 1:1\r\n";
  const VerseStore store = Load(bytes);
  ASSERT_EQ(store.gVerseCount, VerseLimits().verses + 1);
  EXPECT_EQ(store.gVerses[100'000], StoredVerse("v. Job 1:1"));
  EXPECT_EQ(store.gVerses[100'001], CorruptFileText());
  EXPECT_LT(store.gVerses.Bytes(), 100'001u * 32);  // not a padded field of 252 each
}

}  // namespace
}  // namespace sovelin
