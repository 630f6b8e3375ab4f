#include "saver/verse_loader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <stdexcept>
#include <streambuf>
#include <string>

#include "common/scripted_random.h"

namespace sovelin {
namespace {

const std::string kIsaiah =
    "He will swallow up death in victory; and the Lord God will wipe away tears from off all "
    "faces; and the rebuke of his people shall he take away from off all the earth: for the "
    "Lord hath spoken it. Isaiah 25:8";

std::string Blanks(size_t count) {
  return std::string(count, ' ');
}

VerseStore Load(const std::string& bytes) {
  VerseStore store;
  std::istringstream file(bytes);
  LoadVerses(store, file);
  return store;
}

// A file whose reading fails after a given number of bytes.
class FailingBuffer final : public std::streambuf {
 public:
  FailingBuffer(std::string bytes, size_t failAt) : bytes_(std::move(bytes)), failAt_(failAt) {}

 protected:
  int_type underflow() override {
    if (pos_ >= failAt_) {
      throw std::runtime_error("read error");
    }
    if (pos_ >= bytes_.size()) {
      return traits_type::eof();
    }
    current_ = bytes_[pos_];
    setg(&current_, &current_, &current_ + 1);
    ++pos_;
    return traits_type::to_int_type(current_);
  }

 private:
  std::string bytes_;
  size_t failAt_;
  size_t pos_ = 0;
  char current_ = 0;
};

TEST(SplitVerseLine, SplitsTheBookSampleAtItsLastEndMarkBeforeTheReference) {
  ASSERT_EQ(kIsaiah.size(), 207u);
  const VerseLineParts parts = SplitVerseLine(kIsaiah);
  EXPECT_EQ(parts.text.size(), 195u);
  EXPECT_TRUE(parts.text.ends_with("spoken it."));
  EXPECT_EQ(parts.reference, "Isaiah 25:8");
  EXPECT_EQ(StoredVerse(kIsaiah), kIsaiah.substr(0, 195) + "\r\nIsaiah 25:8" + Blanks(44));
}

TEST(SplitVerseLine, SplitsVerseRangesAndSkipsMarksCloseToTheColon) {
  EXPECT_EQ(SplitVerseLine("Jesus wept. John 11:35").reference, "John 11:35");
  EXPECT_EQ(SplitVerseLine("Love is kind! 1 Cor. 13:4-7").text, "Love is kind!");
  EXPECT_EQ(SplitVerseLine("Love is kind! 1 Cor. 13:4-7").reference, "1 Cor. 13:4-7");
  EXPECT_EQ(SplitVerseLine("He said, \"Go.\" Mark 16:15").text, "He said, \"Go.\"");
  // The end mark must lie at least five positions before the colon: "x. 1:2" has it three away.
  EXPECT_EQ(SplitVerseLine("x. 1:2").reference, "");
  EXPECT_EQ(SplitVerseLine("x. Job 1:2").reference, "Job 1:2");
}

TEST(SplitVerseLine, KeepsTheWholeLineWhenNoSplitFitsTheWindows) {
  const std::string noColon = "In the beginning God created the heaven and the earth. Genesis 1";
  EXPECT_EQ(SplitVerseLine(noColon).text, noColon);
  EXPECT_EQ(SplitVerseLine(noColon).reference, "");
  // The colon is 22 characters from the end, one beyond the window.
  const std::string earlyColon = "Text. Book 1:" + std::string(21, 'x');
  EXPECT_EQ(SplitVerseLine(earlyColon).reference, "");
  // A reference of 25 characters puts the end mark one beyond its window; 24 still fit.
  EXPECT_EQ(SplitVerseLine("Amen. 123456789012345678901 1:2").reference, "");
  EXPECT_EQ(SplitVerseLine("Amen. 12345678901234567890 1:2").reference, "12345678901234567890 1:2");
  EXPECT_EQ(SplitVerseLine("No end mark here Psalm 23:1").reference, "");
  for (const std::string_view tiny : {"", " ", ":", ".:", "    :", "a.   :"}) {
    EXPECT_EQ(SplitVerseLine(tiny).text, tiny);
    EXPECT_EQ(SplitVerseLine(tiny).reference, "");
  }
}

TEST(SplitVerseLine, LeadingBlanksShiftTheSearchWindowsLeft) {
  // Trimmed length 17 while the colon sits at position 20: the colon window ends at 17.
  EXPECT_EQ(SplitVerseLine("   Jesus wept. John 1:35").reference, "");
  // Trailing blanks do not count either; enough characters after the colon bring it in.
  EXPECT_EQ(SplitVerseLine("   Jesus wept. John 1:35   ").reference, "");
  const VerseLineParts parts = SplitVerseLine("   Jesus wept. John 1:350");
  EXPECT_EQ(parts.text, "   Jesus wept.");
  EXPECT_EQ(parts.reference, "John 1:350");
  // Trailing blanks alone do not move the windows.
  EXPECT_EQ(SplitVerseLine("Jesus wept. John 1:35" + Blanks(30)).reference,
            "John 1:35" + Blanks(30));
}

TEST(StoredVerse, IsAlwaysTheFixedFieldAndCutsOverlongLines) {
  EXPECT_EQ(StoredVerse(""), "\r\n" + Blanks(250));
  // The cut falls inside the reference.
  EXPECT_EQ(StoredVerse(std::string(245, 'a') + ". Psalm 119:105"),
            std::string(245, 'a') + ".\r\nPsal");
  EXPECT_EQ(CorruptFileText().size(), kVerseLength);
  EXPECT_TRUE(CorruptFileText().starts_with(
      "Sovel.vrs file is corrupt!\r\n\r\nNo more verses have been loaded.\r\n\r\n"
      "Please fix the verse file before running again. "));
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
}

TEST(LoadVerses, AFinalLineBreakDoesNotAddAnEmptyVerse) {
  EXPECT_EQ(Load("a. Job 1:1\r\n").gVerseCount, 1);
  EXPECT_EQ(Load("a. Job 1:1\n").gVerseCount, 1);
  EXPECT_EQ(Load("a. Job 1:1\r").gVerseCount, 1);
  EXPECT_EQ(Load("a. Job 1:1\r\n\r\n").gVerseCount, 2);
  EXPECT_EQ(Load("\r\n").gVerseCount, 1);
  // LF CR is two breaks, not one.
  EXPECT_EQ(Load("a\n\rb").gVerseCount, 3);
}

TEST(LoadVerses, KeepsNulAndHighBytes) {
  const std::string line = std::string("caf\xE9\0\xFF. Job 1:1", 15);
  const VerseStore store = Load(line + "\r\n");
  ASSERT_EQ(store.gVerseCount, 1);
  EXPECT_EQ(store.gVerses[1], FixedVerseField(std::string("caf\xE9\0\xFF.\r\nJob 1:1", 16)));
}

TEST(LoadVerses, MissingOrEmptyFilesGiveTheCorruptFileTextAsTheOnlyVerse) {
  for (const VerseStore& store : {Load(""), [] {
                                    VerseStore missing;
                                    LoadVerses(missing,
                                               std::filesystem::path("/nonexistent/dir/sovel.vrs"));
                                    return missing;
                                  }()}) {
    ASSERT_EQ(store.gVerseCount, 1);
    ASSERT_EQ(store.gVerses.size(), 2u);
    EXPECT_EQ(store.gVerses[1], CorruptFileText());
  }
}

TEST(LoadVerses, AReadErrorReplacesTheLineBeingReadAndStops) {
  const std::string bytes = "one. Job 1:1\r\ntwo. Job 1:2\r\nthree. Job 1:3\r\n";
  // Fails in the middle of the second line.
  FailingBuffer failing(bytes, 18);
  std::istream file(&failing);
  VerseStore store;
  LoadVerses(store, file);
  ASSERT_EQ(store.gVerseCount, 2);
  EXPECT_EQ(store.gVerses[1], StoredVerse("one. Job 1:1"));
  EXPECT_EQ(store.gVerses[2], CorruptFileText());

  // Failing where the next line would start still keeps the verses read so far.
  FailingBuffer atLineStart(bytes, 14);
  std::istream second(&atLineStart);
  VerseStore after;
  LoadVerses(after, second);
  ASSERT_EQ(after.gVerseCount, 2);
  EXPECT_EQ(after.gVerses[2], CorruptFileText());
}

TEST(LoadVerses, LoadsMoreThan32767Lines) {
  std::string bytes;
  for (int i = 0; i < 40000; ++i) {
    bytes += "v. Job 1:1\r\n";
  }
  const VerseStore store = Load(bytes);
  EXPECT_EQ(store.gVerseCount, 40000);
  EXPECT_EQ(store.gVerses[40000], StoredVerse("v. Job 1:1"));
}

TEST(VerseFilePath, AlwaysInsertsOneBackslash) {
  EXPECT_EQ(VerseFilePath("C:\\Windows"), "C:\\Windows\\sovel.vrs");
  EXPECT_EQ(VerseFilePath("C:\\"), "C:\\\\sovel.vrs");
}

TEST(RandomVerseIndex, CoversOneToTheCountAndNeverPassesIt) {
  EXPECT_EQ(PickVerseIndex(365, 0.0f), 1);
  EXPECT_EQ(PickVerseIndex(365, 0.5f), 183);
  EXPECT_EQ(PickVerseIndex(365, 0.99999994f), 365);
  EXPECT_EQ(PickVerseIndex(1, 0.99999994f), 1);
  EXPECT_EQ(PickVerseIndex(40000, 0.99999994f), 40000);
  VerseStore store;
  store.gVerseCount = 10;
  ScriptedRandom random{0.35f};
  EXPECT_EQ(RandomVerseIndex(store, random), 4);
  EXPECT_EQ(random.Used(), 1u);
}

}  // namespace
}  // namespace sovelin
