#include "startup/saver_start.h"

#include <gtest/gtest.h>

#include "tests/scripted_random.h"

namespace sovelin {
namespace {

SaverSettings WithDisplay(int16_t option) {
  SaverSettings settings;
  settings.gDisplayOption = option;
  return settings;
}

// The window a random start picks when the previous run used `last`, drawing `draw`.
int16_t RandomPick(const char* last, std::initializer_list<float> draws, ScriptedRandom* out) {
  MemorySettingsStore store;
  if (last) store.values["LastDisplayUsed"] = last;
  *out = ScriptedRandom(draws);
  return ChooseDisplay(kRandomDisplay, store, *out);
}

TEST(ChooseDisplay, ARandomWindowNeverRepeatsThePreviousOne) {
  ScriptedRandom random;
  // 3/7 = 0.43: the third window (3) is the previous one, so it draws again.
  EXPECT_EQ(RandomPick("3", {0.43f, 0.99f}, &random), 6);
  EXPECT_EQ(random.Used(), 2u);
  EXPECT_EQ(random.reseeds, 1);
  // Nothing stored reads as 0: a draw of 0 is refused.
  EXPECT_EQ(RandomPick(nullptr, {0.0f, 0.0f, 0.15f}, &random), 1);
}

TEST(ChooseDisplay, AfterABoxOrOvalOnlyThePictureWindowsComeUp) {
  ScriptedRandom random;
  EXPECT_EQ(RandomPick("5", {0.999f}, &random), 4);  // floor(5 * 0.999) = 4, never 5 or 6
  EXPECT_EQ(RandomPick("6", {0.0f}, &random), 0);
  EXPECT_EQ(RandomPick("3", {0.999f}, &random), 6);  // after a picture window all seven
}

TEST(ChooseDisplay, AFixedOptionIsUsedAsItIsWithoutDrawing) {
  ScriptedRandom random;
  MemorySettingsStore store;
  EXPECT_EQ(ChooseDisplay(2, store, random), 2);
  EXPECT_EQ(ChooseDisplay(9, store, random), 9);
  EXPECT_EQ(random.Used(), 0u);
  EXPECT_EQ(random.reseeds, 0);
}

TEST(PrepareSaverRun, RecordsTheWindowAtEveryStart) {
  ScriptedRandom random;
  MemorySettingsStore store;
  store.values["LastDisplayUsed"] = "4";
  SaverSettings settings = WithDisplay(9);
  EXPECT_EQ(PrepareSaverRun(settings, store, random).gDisplayUsed, 9);
  EXPECT_EQ(store.values["LastDisplayUsed"], "9");
  PrepareSaverRun(WithDisplay(2), store, random);
  EXPECT_EQ(store.values["LastDisplayUsed"], "2");
}

TEST(PrepareSaverRun, EachSpeedAndFrequencyGivesItsMoveDelayAndChangeInterval) {
  // Speed and Frequency 0 to 4, then values out of range.
  const int16_t values[] = {0, 1, 2, 3, 4, -1, 5, 9};
  const int16_t delays[] = {28, 21, 14, 7, 0, 14, 14, 14};
  const int32_t intervals[] = {30000, 60000, 120000, 300000, 600000, 30000, 30000, 30000};
  for (size_t i = 0; i < std::size(values); ++i) {
    ScriptedRandom random;
    MemorySettingsStore store;
    SaverSettings settings;
    settings.gSpeed = settings.gFrequency = values[i];
    const SaverRunSetup setup = PrepareSaverRun(settings, store, random);
    EXPECT_EQ(setup.gMoveDelay, delays[i]) << values[i];
    EXPECT_EQ(setup.gChangeInterval, intervals[i]) << values[i];
  }
}

}  // namespace
}  // namespace sovelin
