#include "verses/verse_change.h"

#include <algorithm>
#include <array>

#include "verses/daily_verse.h"
#include "verses/verse_store.h"

namespace sovelin {

namespace {

constexpr int16_t kBoxWindow = 5;
constexpr int16_t kOvalWindow = 6;
constexpr int16_t kCycleLength = 4;

// Light colours on the user's own background colour, dark ones on the pictures.
constexpr std::array<int32_t, kCycleLength> kBoxAndOvalCycle{
    verse_colors::kWhite, verse_colors::kCyan, verse_colors::kYellow, verse_colors::kWhite};
constexpr std::array<int32_t, kCycleLength> kPictureCycle{
    verse_colors::kBlue, verse_colors::kRed, verse_colors::kMagenta, verse_colors::kBlack};

bool IsBoxOrOval(int16_t gDisplayUsed) {
  return gDisplayUsed == kBoxWindow || gDisplayUsed == kOvalWindow;
}

int32_t CycleColor(int16_t gDisplayUsed, int16_t gColorIndex) {
  const auto& cycle = IsBoxOrOval(gDisplayUsed) ? kBoxAndOvalCycle : kPictureCycle;
  return cycle[static_cast<size_t>(gColorIndex)];
}

// Counts one tick; true when the change period has passed.
bool ChangeDue(VerseChangeState& state, const VerseChangeSetup& setup) {
  state.gElapsed += kVerseTimerInterval;
  if (state.gElapsed < setup.gChangeInterval) return false;
  // The tick that changes the verse already counts towards the next change.
  state.gElapsed = kVerseTimerInterval;
  return true;
}

void StepColor(VerseChangeState& state) {
  state.gColorIndex = static_cast<int16_t>((state.gColorIndex + 1) % kCycleLength);
}

// The text colour at the cycle's current place.
int32_t TextColor(const VerseChangeState& state, const VerseChangeSetup& setup) {
  const int32_t color = CycleColor(setup.gDisplayUsed, state.gColorIndex);
  // The text never takes the background colour the user chose for the box or oval.
  if (IsBoxOrOval(setup.gDisplayUsed) && color == setup.gRectangleColor) {
    return verse_colors::kWhite;
  }
  return color;
}

}  // namespace

int32_t InitialTextColor(int16_t gDisplayUsed) {
  return CycleColor(gDisplayUsed, 0);
}

std::optional<VerseChange> Timer1_Timer(VerseChangeState& state, const VerseChangeSetup& setup,
                                        RandomSource& random) {
  if (!ChangeDue(state, setup)) return std::nullopt;
  state.gVerseIndex = PickVerseIndex(setup.gVerseCount, random.Next());
  StepColor(state);
  return VerseChange{state.gVerseIndex, TextColor(state, setup)};
}

int32_t DaysVerse(VerseChangeState& state, int32_t verseCount, const LocalCalendar& calendar) {
  const int64_t today = DayNumber(calendar.Today());
  state.latestDay = std::max(today, state.latestDay.value_or(today));
  return DailyVerseIndex(*state.latestDay, verseCount);
}

std::optional<VerseChange> DailyVerseTick(VerseChangeState& state, const VerseChangeSetup& setup,
                                          const LocalCalendar& calendar) {
  const bool due = ChangeDue(state, setup);
  const int32_t today = DaysVerse(state, setup.gVerseCount, calendar);
  if (!due && today == state.gVerseIndex) return std::nullopt;
  state.gVerseIndex = today;
  if (due) StepColor(state);
  return VerseChange{state.gVerseIndex, TextColor(state, setup)};
}

}  // namespace sovelin
