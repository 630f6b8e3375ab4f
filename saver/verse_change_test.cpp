#include "saver/verse_change.h"

#include <gtest/gtest.h>

#include <vector>

#include "saver/verse_store.h"
#include "tests/scripted_random.h"

namespace sovelin {
namespace {

using namespace verse_colors;

// Ticks until the next change; returns how many ticks that took.
int TicksToNextChange(VerseChangeState& state, const VerseChangeSetup& setup) {
  ScriptedRandom random{0.5f};
  for (int ticks = 1; ticks <= 1000; ++ticks) {
    if (Timer1_Timer(state, setup, random)) return ticks;
  }
  return -1;
}

// The text colours of the next five changes.
std::vector<int32_t> ColorsOfChanges(const VerseChangeSetup& setup) {
  VerseChangeState state;
  std::vector<int32_t> colors;
  for (int i = 0; i < 5; ++i) {
    ScriptedRandom random{0.5f};
    while (colors.size() == static_cast<size_t>(i)) {
      if (const auto change = Timer1_Timer(state, setup, random))
        colors.push_back(change->textColor);
    }
  }
  return colors;
}

TEST(VerseChange, FirstChangeAfterTheWholePeriodThenOneTickEarlier) {
  VerseChangeState state;
  const VerseChangeSetup thirtySeconds{30000, 10, 0, 0};
  EXPECT_EQ(TicksToNextChange(state, thirtySeconds), 15);  // 30 s
  EXPECT_EQ(TicksToNextChange(state, thirtySeconds), 14);  // then every 28 s
}

TEST(VerseChange, DrawsAVerseFromOneToTheCount) {
  ScriptedRandom random{0.0f, 0.95f, 0.99f};
  VerseChangeState state;
  EXPECT_EQ(Timer1_Timer(state, {2000, 10, 0, 0}, random)->gVerseIndex, 1);
  EXPECT_EQ(Timer1_Timer(state, {2000, 10, 0, 0}, random)->gVerseIndex, 10);
  EXPECT_EQ(Timer1_Timer(state, {2000, 1, 0, 0}, random)->gVerseIndex, 1);
  EXPECT_EQ(state.gVerseIndex, 1);
  EXPECT_EQ(PickVerseIndex(40000, 0.99999994f), 40000);  // rounding never passes the count
}

TEST(VerseChange, PictureWindowsCycleFromBlue) {
  EXPECT_EQ(InitialTextColor(0), kBlue);
  EXPECT_EQ(InitialTextColor(9), kBlue);  // any other number is the open book
  const std::vector<int32_t> cycle{kRed, kMagenta, kBlack, kBlue, kRed};
  EXPECT_EQ(ColorsOfChanges({2000, 5, 3, kRed}), cycle);  // no white swap off the box
}

TEST(VerseChange, BoxAndOvalCycleFromWhiteAndNeverShowTheUsersColour) {
  EXPECT_EQ(InitialTextColor(5), kWhite);
  EXPECT_EQ(InitialTextColor(6), kWhite);
  const std::vector<int32_t> cycle{kCyan, kYellow, kWhite, kWhite, kCyan};
  EXPECT_EQ(ColorsOfChanges({2000, 5, 5, 0}), cycle);
  const std::vector<int32_t> onCyan{kWhite, kYellow, kWhite, kWhite, kWhite};
  EXPECT_EQ(ColorsOfChanges({2000, 5, 5, kCyan}), onCyan);
  const std::vector<int32_t> onYellow{kCyan, kWhite, kWhite, kWhite, kCyan};
  EXPECT_EQ(ColorsOfChanges({2000, 5, 6, kYellow}), onYellow);
}

}  // namespace
}  // namespace sovelin
