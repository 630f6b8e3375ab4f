#pragma once

#include <cstdint>
#include <optional>

#include "common/clock.h"
#include "common/random_source.h"

namespace sovelin {

// Interval of the saver window's timer, in milliseconds.
inline constexpr int32_t kVerseTimerInterval = 2000;

// Windows colour values (red in the low byte) of the verse text colour cycles.
namespace verse_colors {
inline constexpr int32_t kWhite = 0x00FFFFFF;
inline constexpr int32_t kCyan = 0x00FFFF00;
inline constexpr int32_t kYellow = 0x0000FFFF;
inline constexpr int32_t kBlue = 0x00FF0000;
inline constexpr int32_t kRed = 0x000000FF;
inline constexpr int32_t kMagenta = 0x00FF00FF;
inline constexpr int32_t kBlack = 0x00000000;
}  // namespace verse_colors

// What the verse change keeps for the whole run.
struct VerseChangeState {
  int32_t gElapsed = 0;     // milliseconds counted towards the next change
  int16_t gColorIndex = 0;  // position 0..3 in the colour cycle
  int32_t gVerseIndex = 0;  // number of the verse on show, 1..gVerseCount
  // With one verse a day, the latest day (DayNumber) whose verse this run has shown.
  std::optional<int64_t> latestDay;
};

// What the verse change reads and never changes during a run.
struct VerseChangeSetup {
  int32_t gChangeInterval = 30000;  // change period, milliseconds
  int32_t gVerseCount = 0;
  int16_t gDisplayUsed = 0;     // verse window of this run; 5 box and 6 oval
  int32_t gRectangleColor = 0;  // background colour of the box and oval
};

// A verse change for the label of the verse window: the verse to show and its text colour.
struct VerseChange {
  int32_t gVerseIndex = 0;
  int32_t textColor = 0;
};

// The text colour the verse window's label starts with: row 0 of its cycle.
int32_t InitialTextColor(int16_t gDisplayUsed);

// One timer tick. Counts the interval and, once the change period has passed, restarts the
// count at one interval, picks a new random verse and steps the text colour; returns what the
// label must show then, and nothing on the other ticks.
std::optional<VerseChange> Timer1_Timer(VerseChangeState& state, const VerseChangeSetup& setup,
                                        RandomSource& random);

// The verse of the day for this run, and that day noted in `state`: today's, or, where the
// clock has been set back past midnight since (the end of summer time), the latest day this run
// has shown, so that the day's verse never goes back to an earlier one.
int32_t DaysVerse(VerseChangeState& state, int32_t verseCount, const LocalCalendar& calendar);

// One timer tick with one verse a day: counts and steps the colour as Timer1_Timer does, but a
// change shows the day's verse (DaysVerse) again instead of a random one; and a tick that
// finds the day's verse is no longer the one on show (the date changed: midnight) shows the new
// day's verse at once, in the colour on show.
std::optional<VerseChange> DailyVerseTick(VerseChangeState& state, const VerseChangeSetup& setup,
                                          const LocalCalendar& calendar);

}  // namespace sovelin
