#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "common/unicode_text.h"
#include "tests/scripted_random.h"
#include "tests/utf16_bytes.h"
#include "verses/daily_verse.h"
#include "verses/verse_change.h"
#include "verses/verse_encoding.h"
#include "verses/verse_file_report.h"
#include "verses/verse_loader.h"
#include "verses/verse_store.h"

namespace sovelin {
namespace {

using namespace std::string_literals;

VerseStore Load(const std::string& bytes, VerseLimits limits = {}) {
  VerseStore store;
  std::istringstream file(bytes);
  LoadVerses(store, file, &DecodeWindows1252, limits);
  return store;
}

// A file that hands out its bytes and then fails to read.
class FailingBuffer final : public std::streambuf {
 public:
  explicit FailingBuffer(std::string& bytes) {
    setg(bytes.data(), bytes.data(), bytes.data() + bytes.size());
  }

 protected:
  int_type underflow() override { throw std::runtime_error("read error"); }
};

// A stored verse as the store hands it out: its text, padded with blanks to 252 characters.
std::u16string Padded(std::u16string_view text) {
  return std::u16string(text) + std::u16string(252 - text.size(), u' ');
}

const std::u16string kCorruptText = Padded(
    u"Sovel.vrs file is corrupt!\r\n\r\nNo more verses have been loaded.\r\n\r\n"
    u"Please fix the verse file before running again.");

TEST(SplitVerseLine, SplitsAtTheLastEndMarkWithinTheWindowsOfTheTrimmedLength) {
  // {line, text, reference}; no text: the line stays whole with no reference.
  const std::tuple<std::u16string, const char16_t*, std::u16string> cases[] = {
      {u"Love is kind! 1 Cor. 13:4-7", u"Love is kind!", u"1 Cor. 13:4-7"},
      {u"He said, \"Go.\" Mark 16:15", u"He said, \"Go.\"", u"Mark 16:15"},
      {u"x. 123:4", u"x.", u"123:4"},  // the end mark at least five before the colon
      // clang-format off
      {u"x. 12:3", nullptr, u""}, {u"No end mark here Psalm 23:1", nullptr, u""},
      {u"", nullptr, u""}, {u"a.   :", nullptr, u""},
      // clang-format on
      {u"Text. Book 1:xxxxxxxxxxxxxxxxxxxxx", nullptr, u""},  // colon beyond its window
      {u"Amen. 123456789012345678901 1:2", nullptr, u""},     // mark beyond its window
      {u"Amen. 12345678901234567890 1:2", u"Amen.", u"12345678901234567890 1:2"},
      // Windows end at the trimmed length while positions count leading blanks.
      {u"   Jesus wept. John 1:35   ", nullptr, u""},
      {u"   Jesus wept. John 1:350", u"   Jesus wept.", u"John 1:350"},
      {u"Jesus wept. John 1:35" + std::u16string(30, u' '), u"Jesus wept.",
       u"John 1:35" + std::u16string(30, u' ')},
      // Code-page files keep the five marks: no full-width colon, no other scripts' marks.
      {u"神爱世人。 约翰福音 3:16", nullptr, u""},
      {u"Amen\u201D Job 1:1 and more: 2", nullptr, u""},
      // The separator dropped after the mark is a whole surrogate pair.
      {u"Amen.\U0001F600Psalm 1:1", u"Amen.", u"Psalm 1:1"},
  };
  for (const auto& [line, text, reference] : cases) {
    const VerseLineParts parts = SplitVerseLine(line);
    EXPECT_EQ(std::tie(parts.text, parts.reference), std::tie(text ? text : line, reference))
        << EncodeUtf8(line);
  }
}

TEST(SplitVerseLine, UnicodeFilesAlsoEndAtTheSentenceMarksOfOtherScripts) {
  // Ideographic and full-width marks, Hebrew sof pasuq, Arabic and Urdu marks, the danda, the
  // Greek question mark, closing quotes and parentheses, and the marks of code-page files.
  for (const char16_t mark : std::u16string_view(u"。，！？、׃؟،۔।\u037E»“”).!")) {
    const std::u16string text = u"Word" + std::u16string(1, mark);
    const VerseLineParts parts = SplitVerseLine(text + u" Book 3:16", VerseMarks::kUnicode);
    EXPECT_EQ(std::tie(parts.text, parts.reference), std::tie(text, u"Book 3:16")) << int(mark);
  }
  // No blank after the mark: the reference keeps its first character; a full-width colon.
  const VerseLineParts chinese = SplitVerseLine(u"神爱世人，约翰福音 3：16", VerseMarks::kUnicode);
  EXPECT_EQ(std::tie(chinese.text, chinese.reference), std::tie(u"神爱世人，", u"约翰福音 3：16"));
  const VerseLineParts hebrew =
      SplitVerseLine(u"כי כן אהב אלהים׃ יוחנן 3:16", VerseMarks::kUnicode);
  EXPECT_EQ(std::tie(hebrew.text, hebrew.reference), std::tie(u"כי כן אהב אלהים׃", u"יוחנן 3:16"));
}

TEST(StoredVerse, IsTheFixedFieldOf252CharactersNeverCuttingASurrogatePair) {
  EXPECT_EQ(StoredVerse(u""), u"\r\n" + std::u16string(250, u' '));
  EXPECT_EQ(StoredVerse(std::u16string(245, u'a') + u". Psalm 119:105"),
            std::u16string(245, u'a') + u".\r\nPsal");
  // Characters, not bytes: 300 Chinese characters (900 bytes in UTF-8) fill 252 places.
  EXPECT_EQ(StoredVerse(std::u16string(300, u'爱') + u"。 约翰 3:16", VerseMarks::kUnicode),
            std::u16string(252, u'爱'));
  // A pair across the end is left out whole; one that ends at the end stays.
  EXPECT_EQ(FixedVerseField(std::u16string(251, u'a') + u"\U0001F600"),
            std::u16string(251, u'a') + u" ");
  EXPECT_EQ(FixedVerseField(std::u16string(250, u'a') + u"\U0001F600b"),
            std::u16string(250, u'a') + u"\U0001F600");
  EXPECT_EQ(CorruptFileText(), kCorruptText);
}

TEST(LoadVerses, ChoosesTheEncodingFromTheMarkOrFromWellFormedUtf8ElseTheCodePage) {
  const std::string russian = reinterpret_cast<const char*>(u8"Бог есть любовь. 1 Ин 4:8");
  const std::u16string stored = u"Бог есть любовь.\r\n1 Ин 4:8";
  // {file, encoding, first verse (up to its padding)}
  const std::tuple<std::string, VerseEncoding, std::u16string> cases[] = {
      {"\xEF\xBB\xBF" + russian + "\r\n", VerseEncoding::kUtf8, stored},
      {"\xFF\xFE" + Utf16Bytes(u"Бог есть любовь. 1 Ин 4:8\r\n", false), VerseEncoding::kUtf16LE,
       stored},
      {"\xFE\xFF" + Utf16Bytes(u"Бог есть любовь. 1 Ин 4:8", true), VerseEncoding::kUtf16BE,
       stored},
      {russian, VerseEncoding::kUtf8, stored},  // no mark, well-formed UTF-8
      // Not UTF-8 (an accent before a plain letter): Windows-1252, as older files are.
      {"caf\xE9 \x80\x93x\x94\x9F. Job 1:1", VerseEncoding::kCodePage, u"café €“x”Ÿ.\r\nJob 1:1"},
      {"Jesus wept. John 11:35", VerseEncoding::kCodePage, u"Jesus wept.\r\nJohn 11:35"},
      // A code-page file whose accented letters happen to pair up as UTF-8 ("Ã©" in 1252, two
      // letters no language writes together) is read as UTF-8: "é".
      {"caf\xC3\xA9. Job 1:1", VerseEncoding::kUtf8, u"café.\r\nJob 1:1"},
      // Full-width marks count in Unicode files only: the same words in the code page stay whole.
      {"\xEF\xBB\xBF" + std::string(reinterpret_cast<const char*>(u8"爱！ 约 3:16")),
       VerseEncoding::kUtf8, u"爱！\r\n约 3:16"},
  };
  for (const auto& [bytes, encoding, verse] : cases) {
    const VerseStore store = Load(bytes);
    EXPECT_EQ(std::tuple(DetectVerseEncoding(bytes).encoding, store.gVerseCount, store.gVerses[1]),
              std::tuple(encoding, 1, Padded(verse)))
        << EncodeUtf8(verse);
  }
}

TEST(LoadVerses, MalformedTextShowsReplacementCharactersAndTheRestLoads) {
  // {file, verses}: invalid UTF-8 after a mark, lone surrogates, an odd last byte.
  const std::pair<std::string, std::vector<std::u16string>> cases[] = {
      {"\xEF\xBB\xBFwrong\xFF. Job 1:1\r\ngood. Job 2:2",
       {u"wrong\uFFFD.\r\nJob 1:1", u"good.\r\nJob 2:2"}},
      {"\xFF\xFEX\0\0\xD8Y\0\r\0\n\0\0\xDCZ\0"s, {u"X\uFFFDY\r\n", u"\uFFFDZ\r\n"}},
      {"\xFE\xFF\0X\xD8\0\0Y"s, {u"X\uFFFDY\r\n"}},
      {"\xFF\xFEX\0\n\0Y\0Z"s, {u"X\r\n", u"Y\uFFFD\r\n"}},
  };
  for (const auto& [bytes, verses] : cases) {
    const VerseStore store = Load(bytes);
    ASSERT_EQ(store.gVerseCount, static_cast<int32_t>(verses.size())) << EncodeUtf8(verses[0]);
    for (size_t n = 0; n < verses.size(); ++n)
      EXPECT_EQ(store.gVerses[n + 1], Padded(verses[n])) << EncodeUtf8(verses[n]);
  }
}

TEST(LoadVerses, AppendsOneVersePerLineWhateverTheLineBreak) {
  const VerseStore store = Load("Jesus wept. John 11:35\r\n\nA.   Job 1:1\rlast. Job 2:2");
  ASSERT_EQ(std::pair(store.gVerseCount, store.gVerses.size()), std::pair(4, size_t{5}));
  const std::u16string expected[] = {std::u16string(kVerseLength, u' '),
                                     Padded(u"Jesus wept.\r\nJohn 11:35"), Padded(u"\r\n"),
                                     Padded(u"A.\r\n  Job 1:1"), Padded(u"last.\r\nJob 2:2")};
  for (size_t n = 0; n < 5; ++n) EXPECT_EQ(store.gVerses[n], expected[n]) << n;

  // A break at the very end adds no empty verse; LF CR is two breaks; a lone mark is no line.
  // clang-format off
  const std::pair<std::string, int32_t> counts[] = {
      {"a. Job 1:1\r\n", 1}, {"a. Job 1:1\n", 1}, {"a. Job 1:1\r", 1}, {"\r\n", 1},
      {"a\r\n\r\n", 2}, {"a\n\rb", 3}, {"\xFF\xFEg\0\r\0\n\0\n\0"s, 2}, {"\xEF\xBB\xBF", 0}};
  // clang-format on
  for (const auto& [bytes, count] : counts)
    EXPECT_EQ(Load(bytes).gVerseCount, std::max(count, 1)) << bytes;  // none: the corrupt text
}

TEST(LoadVerses, KeepsNulAndHighBytesAndAMissingOrEmptyFileGivesTheCorruptFileText) {
  EXPECT_EQ(Load("caf\xE9\0\xFF. Job 1:1\r\n"s).gVerses[1],
            Padded(u"caf\u00E9\0\u00FF.\r\nJob 1:1"s));
  VerseStore missing;
  EXPECT_EQ(
      LoadVerses(missing, std::filesystem::path("/nonexistent/dir/sovel.vrs"), &DecodeWindows1252),
      VerseLoadOutcome::kUnreadable);
  for (const VerseStore& store : {missing, Load(""), Load("\xFF\xFE")}) {
    ASSERT_EQ(std::pair(store.gVerseCount, store.gVerses.size()), std::pair(1, size_t{2}));
    EXPECT_EQ(store.gVerses[1], kCorruptText);
  }
}

TEST(LoadVerses, AReadErrorOrALineBeyondTheLimitsReplacesThatLineAndStopsInEveryEncoding) {
  // Fails inside the second line, then exactly where the second line would start; a stream
  // that throws its errors (as running out of memory does) ends the same way.
  for (const bool throws : {false, true}) {
    for (std::string bytes : {"one. Job 1:1\r\ntwo", "one. Job 1:1\r\n"}) {
      FailingBuffer failing(bytes);
      std::istream file(&failing);
      if (throws) file.exceptions(std::ios::badbit);
      VerseStore store;
      EXPECT_EQ(LoadVerses(store, file, &DecodeWindows1252), VerseLoadOutcome::kUnreadable);
      ASSERT_EQ(store.gVerseCount, 2);
      EXPECT_EQ(std::pair(store.gVerses[1], store.gVerses[2]),
                std::pair(Padded(u"one.\r\nJob 1:1"), kCorruptText));
    }
  }
  // The byte bound and the verse bound, with the same three lines in each encoding: the bytes
  // of the mark and of two lines fit, the third line is cut; two verses fit, the third is not.
  const std::u16string lines = u"one. Job 1:1\r\nсвет. Job 2:2\r\nthree. Job 3:3\r\n";
  const std::string utf8 = EncodeUtf8(lines);
  const std::string files[] = {"\xEF\xBB\xBF" + utf8, utf8, "\xFF\xFE" + Utf16Bytes(lines, false),
                               "\xFE\xFF" + Utf16Bytes(lines, true)};
  for (const std::string& bytes : files) {
    const size_t unit = bytes[0] == '\xFF' || bytes[0] == '\xFE' ? 2 : 1;
    const size_t third = bytes.size() - unit * 16;  // "three. Job 3:3\r\n" is the last 16
    for (const VerseLimits limits :
         {VerseLimits{.fileBytes = static_cast<int64_t>(third + 3)}, VerseLimits{.verses = 2}}) {
      const VerseStore store = Load(bytes, limits);
      ASSERT_EQ(store.gVerseCount, 3) << bytes;
      EXPECT_EQ(std::pair(store.gVerses[2], store.gVerses[3]),
                std::pair(Padded(u"свет.\r\nJob 2:2"), kCorruptText));
    }
  }
}

TEST(LoadVerses, AHugeFileStopsAtTheVerseLimitAndEachVerseTakesLittleMemory) {
  std::string bytes;
  for (int i = 0; i <= 100'000; ++i) bytes += "v. Job 1:1\r\n";
  const VerseStore store = Load(bytes);
  ASSERT_EQ(store.gVerseCount, VerseLimits().verses + 1);
  EXPECT_EQ(std::pair(store.gVerses[100'000], store.gVerses[100'001]),
            std::pair(Padded(u"v.\r\nJob 1:1"), kCorruptText));
  EXPECT_LT(store.gVerses.Bytes(), 100'001u * 64);  // not a padded field of 504 bytes each
}

// A reference as each shipped list writes it, in UTF-8: the book (a number first for "1 Samuel",
// "of" inside "Song of Solomon"), then chapter:verse or chapter:first-last. The Spanish names
// carry accented letters ("Génesis", "Isaías"). The text before it ends in a sentence mark.
const std::string kEndMark = "(?:[.,?!\")]|\xE2\x80\x9D|\xC2\xBB)";
const std::string kNumbers = " [1-9][0-9]*:[1-9][0-9]*(?:-[1-9][0-9]*)?";
const std::string kEnglishBook = "(?:[1-3] )?[A-Z][a-z]+(?: of [A-Z][a-z]+)?";
const std::string kSpanishLetter =
    "(?:[a-z]|\xC3\xA1|\xC3\xA9|\xC3\xAD|\xC3\xB3|\xC3\xBA|\xC3\xB1)";
const std::string kSpanishBook = "(?:[1-3] )?(?:[A-Z]|\xC3\x81|\xC3\x89)" + kSpanishLetter + "+";

// Every shipped list, each line split by the loader itself: it must find the reference the
// pattern finds, with nothing before it but the sentence mark and one blank.
TEST(ShippedVerses, TheLoaderSplitsEveryLineOfEveryListIntoItsTextAndAWellFormedReference) {
  const std::map<std::string, std::string> books = {
      {"sovel.vrs", kEnglishBook}, {"web.vrs", kEnglishBook}, {"rv1909.vrs", kSpanishBook}};
  size_t lists = 0;
  for (const auto& entry : std::filesystem::directory_iterator(SOVELIN_SOURCE_DIR "/resources")) {
    if (entry.path().extension() != ".vrs") continue;
    const std::string name = entry.path().filename().string();
    SCOPED_TRACE(name);
    ASSERT_TRUE(books.contains(name)) << "a shipped list whose language is not known";
    ++lists;
    const std::regex line("^(.*" + kEndMark + ") (" + books.at(name) + kNumbers + ")$");
    std::ifstream file(entry.path(), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    const bool marked = bytes.starts_with("\xEF\xBB\xBF");
    EXPECT_EQ(marked, name != "sovel.vrs") << "UTF-8 with a byte-order mark, else the code page";
    VerseStore store;
    LoadVerses(store, entry.path(), &DecodeWindows1252);
    int32_t n = 0;
    for (size_t at = marked ? 3 : 0, end; at < bytes.size(); at = end + 2) {
      end = bytes.find("\r\n", at);
      ASSERT_NE(end, std::string::npos) << "every line ends in CR LF";
      const std::string text = bytes.substr(at, end - at);
      SCOPED_TRACE(text);
      std::smatch parts;
      ASSERT_TRUE(std::regex_match(text, parts, line));
      ASSERT_LT(++n, store.gVerseCount + 1);
      std::string stored = EncodeUtf8(store.gVerses[static_cast<size_t>(n)]);
      stored.erase(stored.find_last_not_of(' ') + 1);
      EXPECT_EQ(stored, parts.str(1) + "\r\n" + parts.str(2));  // nothing cut off either
    }
    EXPECT_EQ(store.gVerseCount, n);
    EXPECT_GE(n, 365);
  }
  EXPECT_EQ(lists, books.size());
}

// The report the settings dialog shows for a list: lines the saver shows whole, blank ones
// included, are named by their line number; the warning shown in place of what could not be
// read is never counted as a verse.
TEST(CheckVerseFile, CountsTheVersesReadAndNamesTheLinesWithoutAReferenceAndTheProblem) {
  const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                     ("sovelin-report-" + std::to_string(std::random_device{}()));
  EXPECT_FALSE(CheckVerseFile(path, &DecodeWindows1252).exists);
  const auto check = [&](const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    const VerseFileReport report = CheckVerseFile(path, &DecodeWindows1252);
    EXPECT_TRUE(report.exists);
    return std::tuple(report.verses, report.withoutReferenceCount, report.problem);
  };
  using enum VerseFileProblem;
  EXPECT_EQ(check("Jesus wept. John 11:35\r\nno reference here\r\n\r\nRejoice evermore. 1 Thess "
                  "5:16\nText without an end mark John 3:16\r\na:b\r\nx\r\nPray without ceasing. "
                  "1 Thess 5:17"),
            std::tuple(8, 5, kNone));
  EXPECT_EQ(CheckVerseFile(path, &DecodeWindows1252).linesWithoutReference,
            (std::vector<int32_t>{2, 3, 5, 6, 7}));
  EXPECT_EQ(check(""), std::tuple(0, 0, kEmpty));
  // Past 16 MB: the one line read whole counts, the cut one does not.
  EXPECT_EQ(check("Jesus wept. John 11:35\r\n" + std::string(16 << 20, 'x')),
            std::tuple(1, 0, kTooLarge));
  std::filesystem::remove(path);
}

// Why a load put the warning last: no line at all, or a bound passed (a failed read: above).
TEST(LoadVerses, TellsWhetherTheFileWasEmptyOrTooLarge) {
  using enum VerseLoadOutcome;
  const std::tuple<std::string, VerseLimits, VerseLoadOutcome> cases[] = {
      // clang-format off
      {"a. Job 1:1\r\nb", {}, kLoaded}, {"", {}, kEmpty}, {"\xEF\xBB\xBF", {}, kEmpty},
      {"\xFF\xFE", {}, kEmpty}, {"\xFE\xFF", {}, kEmpty}, {"a\r\nb\r\n", {.verses = 1}, kTooLarge},
      {"a\r\nb\r\n", {.fileBytes = 4}, kTooLarge}};
  // clang-format on
  for (const auto& [bytes, limits, outcome] : cases) {
    VerseStore store;
    std::istringstream file(bytes);
    EXPECT_EQ(LoadVerses(store, file, &DecodeWindows1252, limits), outcome) << bytes;
  }
}

using namespace verse_colors;

TEST(VerseChange, FirstChangeAfterTheWholePeriodThenOneTickEarlierDrawingFromOneToTheCount) {
  VerseChangeState state;
  ScriptedRandom random{0.5f, 0.5f, 0.0f, 0.95f, 0.99f};
  for (const int period : {15, 14}) {  // 30 s, then every 28 s
    int ticks = 1;
    while (ticks < 1000 && !Timer1_Timer(state, {30000, 10, 0, 0}, random)) ++ticks;
    EXPECT_EQ(ticks, period);
  }
  // Each change draws a verse from one to the count.
  const auto draw = [&](int32_t count) {
    return Timer1_Timer(state, {2000, count, 0, 0}, random)->gVerseIndex;
  };
  EXPECT_EQ((std::array{draw(10), draw(10), draw(1), state.gVerseIndex}),
            (std::array{1, 10, 1, 1}));
  EXPECT_EQ(PickVerseIndex(40000, 0.99999994f), 40000);  // rounding never passes the count
}

TEST(VerseChange, PicturesCycleFromBlueBoxAndOvalFromWhiteAndNeverInTheUsersColour) {
  // {window, the box's colour, first colour, the next five}; 9 is any other number, the book.
  const std::tuple<int16_t, int32_t, int32_t, std::vector<int32_t>> cases[] = {
      // clang-format off
      {0, 0, kBlue, {}}, {9, 0, kBlue, {}},
      // clang-format on
      {3, kRed, kBlue, {kRed, kMagenta, kBlack, kBlue, kRed}},  // no white swap off the box
      {5, 0, kWhite, {kCyan, kYellow, kWhite, kWhite, kCyan}},
      {5, kCyan, kWhite, {kWhite, kYellow, kWhite, kWhite, kWhite}},
      {6, kYellow, kWhite, {kCyan, kWhite, kWhite, kWhite, kCyan}}};
  for (const auto& [window, boxColor, first, cycle] : cases) {
    EXPECT_EQ(InitialTextColor(window), first) << window;
    VerseChangeState state;
    std::vector<int32_t> colors;
    ScriptedRandom random(std::vector<float>(cycle.size(), 0.5f));
    while (colors.size() < cycle.size())
      if (const auto change = Timer1_Timer(state, {2000, 5, window, boxColor}, random))
        colors.push_back(change->textColor);
    EXPECT_EQ(colors, cycle) << window << " " << boxColor;
  }
}

// Every date from 1 January 2023 to 31 December 2025 (2024 a leap year) with its number of
// days since 1 January 1970, as the standard library's calendar counts them.
std::vector<std::pair<CivilDate, int64_t>> ThreeYears() {
  using namespace std::chrono;
  std::vector<std::pair<CivilDate, int64_t>> dates;
  for (sys_days day = 2023y / January / 1; day <= 2025y / December / 31; day += days(1)) {
    const year_month_day date(day);
    dates.push_back({{int(date.year()), int(unsigned(date.month())), int(unsigned(date.day()))},
                     day.time_since_epoch().count()});
  }
  return dates;
}

TEST(DailyVerse, EveryVerseHasItsDayAndTwoDaysRunningNeverShowTheSameOrNeighbouringLines) {
  const auto dates = ThreeYears();
  for (const auto& [date, day] : dates)
    ASSERT_EQ(DayNumber(date), day) << date.year << "-" << date.month << "-" << date.day;
  for (int32_t count = 1; count <= 500; ++count) {
    SCOPED_TRACE(count);
    std::vector<int32_t> shown;
    for (const auto& date : dates) shown.push_back(DailyVerseIndex(date.second, count));
    for (size_t i = 1; i < shown.size(); ++i) {
      ASSERT_TRUE(shown[i] >= 1 && shown[i] <= count);
      ASSERT_TRUE(count < 2 || shown[i] != shown[i - 1]) << i;
      ASSERT_TRUE(count < 5 || std::abs(shown[i] - shown[i - 1]) != 1) << i;
    }
    // Any `count` days running show every verse once.
    const auto first = shown.begin() + 100;
    std::vector<int32_t> turn(first, first + std::min<int32_t>(count, 900));
    std::sort(turn.begin(), turn.end());
    EXPECT_EQ(std::unique(turn.begin(), turn.end()), turn.end());
  }
  // Six verses go odd lines, then even ones; 2026-12-07 is day 20794, 20794 mod 6 = 4.
  EXPECT_EQ(std::pair(DailyVerseIndex(20794, 6), DailyVerseIndex(20794, 0)), std::pair(4, 0));
  // Before 1970 the turns go on backwards: 1969-12-31 is day -1, turn 5 of six (the sixth
  // verse) and turn 4 of five (stride 2: verse 4 * 2 mod 5 + 1 = 4); 1900-01-01 is day
  // -(70 * 365 + 17 leap days) = -25567, turn 3 of five: verse 3 * 2 mod 5 + 1 = 2.
  EXPECT_EQ(std::pair(DayNumber({1969, 12, 31}), DayNumber({1900, 1, 1})),
            (std::pair<int64_t, int64_t>(-1, -25567)));
  EXPECT_EQ(std::tuple(DailyVerseIndex(-1, 6), DailyVerseIndex(-1, 5), DailyVerseIndex(-25567, 5)),
            std::tuple(6, 4, 2));
}

struct FakeCalendar final : LocalCalendar {
  CivilDate Today() const override { return today; }
  CivilDate today{2026, 12, 7};
};

// Five verses go by a stride of 2: day 20794 (2026-12-07) is turn 4, verse 4 * 2 mod 5 + 1 = 4;
// the next day is turn 0, verse 1.
TEST(VerseChange, WithOneVerseADayTheColourCyclesOnTheDaysVerseAndMidnightBringsTheNext) {
  FakeCalendar calendar;
  VerseChangeState state;
  state.gVerseIndex = DaysVerse(state, 5, calendar);
  ASSERT_EQ(state.gVerseIndex, 4);
  const VerseChangeSetup setup{30000, 5, 0, 0};
  int ticks = 1;
  std::optional<VerseChange> change;
  while (ticks < 100 && !(change = DailyVerseTick(state, setup, calendar))) ++ticks;
  EXPECT_EQ(std::tuple(ticks, change->gVerseIndex, change->textColor), std::tuple(15, 4, kRed));
  calendar.today = {2026, 12, 8};
  change = DailyVerseTick(state, setup, calendar);  // the first tick after midnight
  ASSERT_TRUE(change);
  EXPECT_EQ(std::pair(change->gVerseIndex, change->textColor), std::pair(1, kRed));
  // The clock set back an hour across midnight keeps the new day's verse. The colour goes on in
  // its own time: 14 ticks after the last change, counting this one.
  calendar.today = {2026, 12, 7};
  ticks = 2;
  while (ticks < 100 && !(change = DailyVerseTick(state, setup, calendar))) ++ticks;
  EXPECT_EQ(std::tuple(ticks, change->gVerseIndex, change->textColor), std::tuple(14, 1, kMagenta));
}
}  // namespace
}  // namespace sovelin
