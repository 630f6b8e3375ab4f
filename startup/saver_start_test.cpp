#include "startup/saver_start.h"

#include <gtest/gtest.h>

#include "common/scripted_random.h"

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
  if (last)
    store.values["LastDisplayUsed"] = last;
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
  settings.gSpeed = 4;
  settings.gFrequency = 0;
  const SaverRunSetup setup = PrepareSaverRun(settings, store, random);
  EXPECT_EQ(setup.gDisplayUsed, 9);
  EXPECT_EQ(setup.gMoveDelay, 0);
  EXPECT_EQ(setup.gChangeInterval, 30000);
  EXPECT_EQ(store.values["LastDisplayUsed"], "9");
  PrepareSaverRun(WithDisplay(2), store, random);
  EXPECT_EQ(store.values["LastDisplayUsed"], "2");
}

}  // namespace
}  // namespace sovelin
