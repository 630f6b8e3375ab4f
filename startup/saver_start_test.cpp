#include "startup/saver_start.h"

#include <gtest/gtest.h>

#include "tests/scripted_random.h"

namespace sovelin {
namespace {

// The window a random start picks when the previous run used `last`, drawing `draws`.
int16_t RandomPick(const char* last, std::initializer_list<float> draws, ScriptedRandom* out) {
  MemorySettingsStore store;
  if (last) store.values["LastDisplayUsed"] = last;
  *out = ScriptedRandom(draws);
  return ChooseDisplay(kRandomDisplay, store, *out);
}

TEST(ChooseDisplay, ARandomWindowNeverRepeatsThePreviousOneAndABoxOrOvalIsFollowedByAPicture) {
  ScriptedRandom random;
  // 3/7 = 0.43: the third window (3) is the previous one, so it draws again.
  EXPECT_EQ(RandomPick("3", {0.43f, 0.99f}, &random), 6);
  EXPECT_EQ(random.Used(), 2u);
  EXPECT_EQ(random.reseeds, 1);
  // Nothing stored reads as 0: a draw of 0 is refused.
  EXPECT_EQ(RandomPick(nullptr, {0.0f, 0.0f, 0.15f}, &random), 1);
  EXPECT_EQ(RandomPick("5", {0.999f}, &random), 4);  // floor(5 * 0.999) = 4, never 5 or 6
  EXPECT_EQ(RandomPick("6", {0.0f}, &random), 0);
}

TEST(PrepareSaverRun, RecordsAFixedWindowAsItIsWithoutDrawing) {
  ScriptedRandom random;
  MemorySettingsStore store;
  store.values["LastDisplayUsed"] = "4";
  SaverSettings settings;
  settings.gDisplayOption = 9;
  EXPECT_EQ(PrepareSaverRun(settings, store, random).gDisplayUsed, 9);
  EXPECT_EQ(store.values["LastDisplayUsed"], "9");
  EXPECT_EQ(random.Used(), 0u);
  EXPECT_EQ(random.reseeds, 0);
}

TEST(PrepareSaverRun, EachSpeedAndFrequencyGivesItsMoveDelayAndChangeInterval) {
  // {Speed and Frequency, move delay, change interval}
  const struct {
    int16_t value;
    int16_t delay;
    int32_t interval;
  } cases[] = {{0, 28, 30000}, {1, 21, 60000},  {2, 14, 120000}, {3, 7, 300000},
               {4, 0, 600000}, {-1, 14, 30000}, {5, 14, 30000}};
  for (const auto& c : cases) {
    ScriptedRandom random;
    MemorySettingsStore store;
    SaverSettings settings;
    settings.gSpeed = settings.gFrequency = c.value;
    const SaverRunSetup setup = PrepareSaverRun(settings, store, random);
    EXPECT_EQ(setup.gMoveDelay, c.delay) << c.value;
    EXPECT_EQ(setup.gChangeInterval, c.interval) << c.value;
  }
}

}  // namespace
}  // namespace sovelin
