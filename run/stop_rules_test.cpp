#include "run/stop_rules.h"

#include <gtest/gtest.h>

namespace sovelin {
namespace {

TEST(StopRules, KeysAndClicksStopAndAskForThePasswordOnlyWhenProtected) {
  RunFlags flags;
  EXPECT_FALSE(OnStopInput(flags, false));
  EXPECT_TRUE(flags.gStopRequested);
  RunFlags guarded;
  EXPECT_TRUE(OnStopInput(guarded, true));
  EXPECT_TRUE(guarded.gStopRequested);
}

TEST(StopRules, TheFirstMovementIsOnlyRecordedHoweverFar) {
  RunFlags flags;
  EXPECT_FALSE(OnSaverMouseMove(flags, 9000.0f, 6000.0f, false));
  EXPECT_FALSE(flags.gStopRequested);
  EXPECT_EQ(flags.gLastMouseX, 9000.0f);
  EXPECT_EQ(flags.gLastMouseY, 6000.0f);
}

TEST(StopRules, OnlyMoreThanTenTwipsOnOneAxisStops) {
  RunFlags flags;
  OnSaverMouseMove(flags, 1500.0f, 1500.0f, false);
  OnSaverMouseMove(flags, 1510.0f, 1505.0f, false);  // exactly 10 and 5: stays
  EXPECT_FALSE(flags.gStopRequested);
  OnSaverMouseMove(flags, 1510.0f, 1495.0f, false);  // exactly 10 on y, from the new position
  EXPECT_FALSE(flags.gStopRequested);
  OnSaverMouseMove(flags, 1510.0f, 1484.0f, false);  // 11 on y
  EXPECT_TRUE(flags.gStopRequested);

  RunFlags onePixel;
  OnSaverMouseMove(onePixel, 1500.0f, 1500.0f, false);
  OnSaverMouseMove(onePixel, 1485.0f, 1500.0f, false);  // one pixel at 96 DPI
  EXPECT_TRUE(onePixel.gStopRequested);
}

TEST(StopRules, TheTopLeftCornerCountsAsNoPositionYet) {
  RunFlags flags;
  OnSaverMouseMove(flags, 0.0f, 0.0f, false);
  OnSaverMouseMove(flags, 3000.0f, 3000.0f, false);
  EXPECT_FALSE(flags.gStopRequested);
  OnSaverMouseMove(flags, 3000.0f, 3015.0f, false);
  EXPECT_TRUE(flags.gStopRequested);
}

TEST(StopRules, MovementWhileThePromptIsUpIsOnlyRecorded) {
  RunFlags flags;
  OnSaverMouseMove(flags, 100.0f, 100.0f, true);
  flags.gPromptShown = true;
  EXPECT_FALSE(OnSaverMouseMove(flags, 5000.0f, 5000.0f, true));
  EXPECT_FALSE(flags.gStopRequested);
  flags.gPromptShown = false;
  EXPECT_TRUE(OnSaverMouseMove(flags, 5100.0f, 5000.0f, true));
}

TEST(StopRules, AfterThePromptTheNextMovementIsOnlyRecorded) {
  RunFlags flags;
  OnSaverMouseMove(flags, 100.0f, 100.0f, true);
  ForgetMousePosition(flags);
  EXPECT_FALSE(OnSaverMouseMove(flags, 7000.0f, 100.0f, true));
  EXPECT_FALSE(flags.gStopRequested);
}

}  // namespace
}  // namespace sovelin
