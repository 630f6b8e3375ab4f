#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "saver/daily_verse.h"
#include "saver/pass_pacer.h"
#include "saver/run_error.h"
#include "saver/verse_change.h"
#include "saver/verse_loader.h"
#include "saver/verse_store.h"
#include "tests/scripted_random.h"

namespace sovelin {
namespace {

VerseStore Load(const std::string& bytes, VerseLimits limits = {}) {
  VerseStore store;
  std::istringstream file(bytes);
  LoadVerses(store, file, limits);
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
      {"No end mark here Psalm 23:1", nullptr, ""},
      {"", nullptr, ""},
      {"a.   :", nullptr, ""},
      // Windows end at the trimmed length while positions count leading blanks.
      {"   Jesus wept. John 1:35   ", nullptr, ""},
      {"   Jesus wept. John 1:350", "   Jesus wept.", "John 1:350"},
      {"Jesus wept. John 1:35" + std::string(30, ' '), "Jesus wept.",
       "John 1:35" + std::string(30, ' ')},
  };
  for (const auto& [line, text, reference] : cases) {
    const VerseLineParts parts = SplitVerseLine(line);
    EXPECT_EQ(std::tie(parts.text, parts.reference), std::tie(text ? text : line, reference))
        << line;
  }
}

TEST(StoredVerse, IsAlwaysTheFixedFieldAndCutsOverlongLines) {
  EXPECT_EQ(StoredVerse(""), "\r\n" + std::string(250, ' '));
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
  const std::string expected[] = {std::string(kVerseLength, ' '),
                                  StoredVerse("Jesus wept. John 11:35"), StoredVerse(""),
                                  StoredVerse("A.   Job 1:1"), StoredVerse("last. Job 2:2")};
  for (size_t n = 0; n < 5; ++n) EXPECT_EQ(store.gVerses[n], expected[n]) << n;

  // A break at the very end adds no empty verse; LF CR is two breaks.
  const std::pair<const char*, int32_t> counts[] = {{"a. Job 1:1\r\n", 1}, {"a. Job 1:1\n", 1},
                                                    {"a. Job 1:1\r", 1},   {"\r\n", 1},
                                                    {"a\r\n\r\n", 2},      {"a\n\rb", 3}};
  for (const auto& [bytes, count] : counts) EXPECT_EQ(Load(bytes).gVerseCount, count) << bytes;
}

TEST(LoadVerses, KeepsNulAndHighBytesAndAMissingOrEmptyFileGivesTheCorruptFileText) {
  EXPECT_EQ(Load(std::string("caf\xE9\0\xFF. Job 1:1\r\n", 17)).gVerses[1],
            FixedVerseField(std::string("caf\xE9\0\xFF.\r\nJob 1:1", 16)));
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
    for (std::string bytes : {"one. Job 1:1\r\ntwo", "one. Job 1:1\r\n"}) {
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
  const VerseStore store = Load("one. Job 1:1\r\ntwo. Job 2:2\r\n", {.fileBytes = 20});
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

const std::filesystem::path kShippedFile = SOVELIN_SOURCE_DIR "/resources/sovel.vrs";

TEST(ShippedVerses, EveryLineLoadsWithItsWholeReferenceAsPlainText) {
  std::ifstream file(kShippedFile, std::ios::binary);
  int32_t n = 0;
  for (std::string line; std::getline(file, line); ++n) {
    SCOPED_TRACE(line);
    ASSERT_TRUE(line.ends_with('\r')) << "every line ends in CR LF";
    line.pop_back();
    // Plain text: printable ASCII with single blanks.
    EXPECT_TRUE(
        std::all_of(line.begin(), line.end(), [](char c) { return c >= ' ' && c <= '~'; }) &&
        line.find("  ") == std::string::npos);
    const VerseLineParts parts = SplitVerseLine(line);
    EXPECT_NE(parts.reference.find(':'), std::string::npos);
    EXPECT_EQ(parts.text + " " + parts.reference, line);
    EXPECT_LE(parts.text.size() + 2 + parts.reference.size(), kVerseLength);
  }
  VerseStore store;
  LoadVerses(store, kShippedFile);
  EXPECT_EQ(store.gVerseCount, n);
  EXPECT_GE(n, 365);
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
  EXPECT_EQ(Timer1_Timer(state, {2000, 10, 0, 0}, random)->gVerseIndex, 1);
  EXPECT_EQ(Timer1_Timer(state, {2000, 10, 0, 0}, random)->gVerseIndex, 10);
  EXPECT_EQ(Timer1_Timer(state, {2000, 1, 0, 0}, random)->gVerseIndex, 1);
  EXPECT_EQ(state.gVerseIndex, 1);
  EXPECT_EQ(PickVerseIndex(40000, 0.99999994f), 40000);  // rounding never passes the count
}

TEST(VerseChange, PicturesCycleFromBlueBoxAndOvalFromWhiteAndNeverInTheUsersColour) {
  // {window, the box's colour, first colour, the next five}; 9 is any other number, the book.
  const std::tuple<int16_t, int32_t, int32_t, std::vector<int32_t>> cases[] = {
      {0, 0, kBlue, {}},
      {9, 0, kBlue, {}},
      {3, kRed, kBlue, {kRed, kMagenta, kBlack, kBlue, kRed}},  // no white swap off the box
      {5, 0, kWhite, {kCyan, kYellow, kWhite, kWhite, kCyan}},
      {5, kCyan, kWhite, {kWhite, kYellow, kWhite, kWhite, kWhite}},
      {6, kYellow, kWhite, {kCyan, kWhite, kWhite, kWhite, kCyan}}};
  for (const auto& [window, boxColor, first, cycle] : cases) {
    EXPECT_EQ(InitialTextColor(window), first) << window;
    VerseChangeState state;
    std::vector<int32_t> colors;
    ScriptedRandom random(std::vector<float>(cycle.size(), 0.5f));
    while (colors.size() < cycle.size()) {
      if (const auto change = Timer1_Timer(state, {2000, 5, window, boxColor}, random))
        colors.push_back(change->textColor);
    }
    EXPECT_EQ(colors, cycle) << window << " " << boxColor;
  }
}

// Every date from 1 January 2023 to 31 December 2025, 2024 a leap year.
std::vector<CivilDate> ThreeYears() {
  std::vector<CivilDate> dates;
  for (int year = 2023; year <= 2025; ++year)
    for (int month = 1; month <= 12; ++month) {
      const int days = month == 2
                           ? (year % 4 == 0 ? 29 : 28)
                           : (month == 4 || month == 6 || month == 9 || month == 11 ? 30 : 31);
      for (int day = 1; day <= days; ++day) dates.push_back({year, month, day});
    }
  return dates;
}

TEST(DailyVerse, DaysCountFromTheFirstOfJanuary1970WithoutGaps) {
  // Reference values from Python's datetime.date.
  const std::pair<CivilDate, int64_t> known[] = {{{1970, 1, 1}, 0},      {{1969, 12, 31}, -1},
                                                 {{2000, 2, 29}, 11016}, {{2024, 12, 31}, 20088},
                                                 {{2025, 1, 1}, 20089},  {{2026, 12, 7}, 20794},
                                                 {{1600, 3, 1}, -135080}};
  for (const auto& [date, day] : known) EXPECT_EQ(DayNumber(date), day) << date.year;
  const std::vector<CivilDate> dates = ThreeYears();
  for (size_t i = 1; i < dates.size(); ++i)
    ASSERT_EQ(DayNumber(dates[i]), DayNumber(dates[i - 1]) + 1) << dates[i].month << dates[i].day;
}

TEST(DailyVerse, EveryVerseHasItsDayAndTwoDaysRunningNeverShowTheSameOrNeighbouringLines) {
  const std::vector<CivilDate> dates = ThreeYears();
  for (int32_t count = 1; count <= 500; ++count) {
    SCOPED_TRACE(count);
    std::vector<int32_t> shown;
    for (const CivilDate& date : dates) shown.push_back(DailyVerseIndex(date, count));
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
  EXPECT_EQ(DailyVerseIndex({2026, 12, 7}, 6), 4);
  EXPECT_EQ(DailyVerseIndex({2026, 12, 7}, 0), 0);
}

class FakeCalendar final : public LocalCalendar {
 public:
  CivilDate Today() const override { return today; }
  CivilDate today{2026, 12, 7};
};

// Five verses go by a stride of 2: day 20794 (2026-12-07) is turn 4, verse 4 * 2 mod 5 + 1 = 4;
// the next day is turn 0, verse 1.
TEST(VerseChange, WithOneVerseADayTheColourCyclesOnTheDaysVerseAndMidnightBringsTheNext) {
  FakeCalendar calendar;
  VerseChangeState state{.gVerseIndex = DailyVerseIndex(calendar.today, 5)};
  ASSERT_EQ(state.gVerseIndex, 4);
  const VerseChangeSetup setup{30000, 5, 0, 0};
  int ticks = 1;
  std::optional<VerseChange> change;
  while (ticks < 100 && !(change = DailyVerseTick(state, setup, calendar))) ++ticks;
  EXPECT_EQ(ticks, 15);
  EXPECT_EQ(std::pair(change->gVerseIndex, change->textColor), std::pair(4, kRed));
  calendar.today = {2026, 12, 8};
  change = DailyVerseTick(state, setup, calendar);  // the first tick after midnight
  ASSERT_TRUE(change);
  EXPECT_EQ(std::pair(change->gVerseIndex, change->textColor), std::pair(1, kRed));
  // The colour goes on in its own time: 14 ticks after the last change, counting this one.
  ticks = 2;
  while (ticks < 100 && !(change = DailyVerseTick(state, setup, calendar))) ++ticks;
  EXPECT_EQ(ticks, 14);
  EXPECT_EQ(std::pair(change->gVerseIndex, change->textColor), std::pair(1, kMagenta));
}

class FakeClock final : public MonotonicClock {
 public:
  std::chrono::microseconds Now() const override { return now; }
  std::chrono::microseconds now{5'000'000};
};

using std::chrono::microseconds;

TEST(PassPacer, SaysHowLongUntilPassesAreDueAndALongStallIsNotCaughtUp) {
  FakeClock clock;
  PassPacer pacer(clock, 1200);
  EXPECT_EQ(pacer.TimeUntil(15), microseconds(12'500));
  clock.now += microseconds(12'500);
  EXPECT_EQ(pacer.TimeUntil(15), microseconds(0));
  EXPECT_EQ(pacer.TakeDuePasses(), 15);
  EXPECT_EQ(pacer.TimeUntil(1), microseconds(834));  // rounds up: never wakes too early
  // A long stall beyond the planned sleep does not make the saver jump ahead.
  clock.now += std::chrono::seconds(60);  // e.g. a modal prompt
  EXPECT_EQ(pacer.TakeDuePasses(), kMaxCatchUpPasses);
  clock.now += microseconds(10'000);
  EXPECT_EQ(pacer.TakeDuePasses(), 12);
  clock.now += std::chrono::seconds(60);  // a planned sleep is caught up, a stall is not
  EXPECT_EQ(pacer.TakeDuePasses(300), 300 + kMaxCatchUpPasses);

  MovePacing pacing(clock, 28);
  pacing.PlanSleep(8);  // 8 moves of 29 passes
  clock.now += std::chrono::seconds(60);
  EXPECT_EQ(pacing.TakeDueMoves(), (8 * 29 + kMaxCatchUpPasses) / 29);
}

// The main loop's pacing over simulated time: it sleeps until the next move that changes a
// pixel (15 twips a pixel), and not less than a frame, then runs the moves that came due.
TEST(MovePacing, EverySpeedRunsItsNominalMoveRate) {
  const int16_t moveDelays[] = {28, 21, 14, 7, 0};  // Speed 0 to 4
  const std::pair<int32_t, int32_t> steps[] = {{1, 1}, {1, -1}, {2, 1}};
  for (int speed = 0; speed <= 4; ++speed) {
    for (const auto& [dx, dy] : steps) {
      FakeClock clock;
      MovePacing pacing(clock, moveDelays[speed]);
      const microseconds frame(speed >= 3 ? 16'667 : 50'000);
      int32_t left = 7, top = 7;
      int64_t moves = 0;
      while (clock.now < microseconds(5'000'000 + 60'000'000)) {
        clock.now += pacing.PlanSleep(MovesUntilPixelChange(left, top, dx, dy, 15, 15), frame);
        for (int64_t due = pacing.TakeDueMoves(); due > 0; --due, ++moves) {
          left += dx;
          top += dy;
        }
      }
      const double nominal = 60.0 * kPassesPerSecond / (moveDelays[speed] + 1);
      EXPECT_NEAR(moves, nominal, nominal / 100) << speed << " " << dx << "," << dy;
    }
  }
}

TEST(MovesUntilPixelChange, CountsTheMovesThatChangeNothingOnScreen) {
  EXPECT_EQ(MovesUntilPixelChange(0, 0, 3, 4, 15, 15), 2);   // y reaches 8 twips: pixel 1
  EXPECT_EQ(MovesUntilPixelChange(0, 0, 1, -1, 15, 15), 8);  // x at 8 or y at -8 twips
  EXPECT_EQ(MovesUntilPixelChange(7, 7, 25, 0, 15, 15), 1);
  EXPECT_EQ(MovesUntilPixelChange(0, 0, 0, 0, 15, 15), 64);  // never: wakes after the limit
  EXPECT_EQ(MovesUntilPixelChange(0, 0, 1, 1, 15, 15, 5), 5);
}

TEST(RunError, AnUnexpectedErrorShowsItsNumberAndDescription) {
  EXPECT_EQ(UnexpectedErrorMessage(7, "Out of memory"),
            "Unexpected Error # 7\r\nOut of memory\r\n\r\nAborting.");
}

}  // namespace
}  // namespace sovelin
