#include "run/stop_rules.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace sovelin {
namespace {

TEST(StopRules, KeysAndClicksStopAndAskForThePasswordOnlyWhenProtected) {
  for (const bool protect : {false, true}) {
    RunFlags flags;
    EXPECT_EQ(OnStopInput(flags, protect), protect);
    EXPECT_TRUE(flags.gStopRequested);
  }
}

TEST(StopRules, OnlyMoreThanTenTwipsOnOneAxisFromTheLastPositionSeenStops) {
  using Moves = std::vector<std::pair<float, float>>;
  const std::pair<Moves, bool> cases[] = {
      {{{9000, 6000}}, false},  // the first movement is only recorded, however far
      // Exactly 10 on each axis, measured from the position before.
      {{{1500, 1500}, {1510, 1505}, {1510, 1495}}, false},
      {{{1500, 1500}, {1510, 1505}, {1510, 1495}, {1510, 1484}}, true},
      {{{1500, 1500}, {1485, 1500}}, true},  // one pixel at 96 DPI
      // The top left corner counts as no position yet.
      {{{0, 0}, {3000, 3000}}, false},
      {{{0, 0}, {3000, 3000}, {3000, 3015}}, true},
  };
  for (const auto& [moves, stops] : cases) {
    RunFlags flags;
    for (const auto& [x, y] : moves) OnSaverMouseMove(flags, x, y, false);
    EXPECT_EQ(flags.gStopRequested, stops) << moves.size() << " moves to " << moves.back().first;
  }
}

TEST(StopRules, MovementWhileThePromptIsUpOrJustAfterItIsOnlyRecorded) {
  RunFlags flags;
  OnSaverMouseMove(flags, 100.0f, 100.0f, true);
  flags.gPromptShown = true;
  EXPECT_FALSE(OnSaverMouseMove(flags, 5000.0f, 5000.0f, true));
  EXPECT_FALSE(flags.gStopRequested);
  flags.gPromptShown = false;
  EXPECT_TRUE(OnSaverMouseMove(flags, 5100.0f, 5000.0f, true));

  flags = RunFlags{};
  OnSaverMouseMove(flags, 100.0f, 100.0f, true);
  ForgetMousePosition(flags);
  EXPECT_FALSE(OnSaverMouseMove(flags, 7000.0f, 100.0f, true) || flags.gStopRequested);
}

}  // namespace
}  // namespace sovelin
