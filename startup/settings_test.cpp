#include "startup/settings.h"

#include <gtest/gtest.h>

#include "common/numbers.h"

namespace sovelin {
namespace {

TEST(SettingsConversion, TakesTheNumericPrefixRoundedHalvesToEven) {
  EXPECT_EQ(ReadInt16Setting("2abc", 7), 2);
  EXPECT_EQ(ReadInt16Setting(" 2", 7), 2);
  EXPECT_EQ(ReadInt16Setting("2.5", 7), 2);
  EXPECT_EQ(ReadInt16Setting("3.5", 7), 4);
  EXPECT_EQ(ReadInt16Setting("-2.5", 7), -2);
  EXPECT_EQ(ReadInt16Setting("", 7), 0);
  EXPECT_EQ(ReadInt16Setting("abc", 7), 0);
  EXPECT_EQ(ReadInt16Setting("-", 7), 0);
  EXPECT_EQ(ReadInt16Setting(".", 7), 0);
  EXPECT_EQ(ReadInt16Setting(".5", 7), 0);
  EXPECT_EQ(ReadInt16Setting("1.5e1x", 7), 15);
  EXPECT_EQ(ReadInt16Setting("1e", 7), 1);
  EXPECT_EQ(ReadInt16Setting("+4", 7), 4);
}

TEST(SettingsConversion, ANumberThatDoesNotFitItsFieldReadsAsTheDefault) {
  EXPECT_EQ(ReadInt16Setting("32767", 7), 32767);
  EXPECT_EQ(ReadInt16Setting("32768", 7), 7);
  EXPECT_EQ(ReadInt16Setting("-32768", 7), -32768);
  EXPECT_EQ(ReadInt16Setting("-32769", 7), 7);
  EXPECT_EQ(ReadInt16Setting("1e400", 7), 7);
  EXPECT_EQ(ReadInt32Setting("16777215", 0), 16777215);
  EXPECT_EQ(ReadInt32Setting("2147483648", 5), 5);
  EXPECT_EQ(ReadInt32Setting("99999999999999999999", 5), 5);
}

TEST(SettingsConversion, WritesPlainDecimalText) {
  EXPECT_EQ(DecimalText(0), "0");
  EXPECT_EQ(DecimalText(-1), "-1");
  EXPECT_EQ(DecimalText(16711680), "16711680");
}

TEST(Settings, AnEmptyStoreGivesTheDefaults) {
  const MemorySettingsStore store;
  const SaverSettings s = ReadSettings(store);
  EXPECT_EQ(s.gSpeed, 2);
  EXPECT_EQ(s.gFrequency, 1);
  EXPECT_EQ(s.gPWProtected, 0);
  EXPECT_EQ(s.gDisplayOption, 0);
  EXPECT_EQ(s.gRectangleColor, 0);
  EXPECT_EQ(s.gClearScreen, 0);
  EXPECT_EQ(s.gBackground, 0);
  EXPECT_EQ(MoveDelayFor(s.gSpeed), 14);
  EXPECT_EQ(ChangeIntervalFor(s.gFrequency), 60000);
}

TEST(Settings, OnlyOneProtectsAndOnlyZeroShowsTheDesktop) {
  MemorySettingsStore store;
  store.values = {{"PWProtected", "-1"}, {"ClearScreen", "2"}};
  SaverSettings s = ReadSettings(store);
  EXPECT_FALSE(s.IsProtected());
  EXPECT_FALSE(s.ShowsDesktop());
  store.values = {{"PWProtected", "1"}, {"ClearScreen", "0"}};
  s = ReadSettings(store);
  EXPECT_TRUE(s.IsProtected());
  EXPECT_TRUE(s.ShowsDesktop());
}

TEST(Settings, SaveWritesSevenValuesInOrderAndReadsBackTheSame) {
  MemorySettingsStore store;
  SaverSettings s;
  s.gSpeed = 0;
  s.gFrequency = 4;
  s.gPWProtected = 1;
  s.gDisplayOption = 7;
  s.gRectangleColor = 16777215;
  s.gClearScreen = 1;
  s.gBackground = 9;
  SaveSettings(store, s);
  const std::vector<std::string> order = {"Speed",          "Frequency",   "DisplayOption",
                                          "RectangleColor", "ClearScreen", "Background",
                                          "PWProtected"};
  EXPECT_EQ(store.writeOrder, order);
  EXPECT_EQ(store.values["Speed"], "0");
  EXPECT_EQ(store.values["RectangleColor"], "16777215");
  const SaverSettings back = ReadSettings(store);
  EXPECT_EQ(back.gFrequency, 4);
  EXPECT_EQ(back.gRectangleColor, 16777215);
  EXPECT_EQ(back.gBackground, 9);
}

TEST(Settings, DerivedValuesFollowTheirTables) {
  const int16_t delays[] = {28, 21, 14, 7, 0};
  for (int16_t speed = 0; speed < 5; ++speed) EXPECT_EQ(MoveDelayFor(speed), delays[speed]);
  EXPECT_EQ(MoveDelayFor(9), 14);
  EXPECT_EQ(MoveDelayFor(-1), 14);
  const int32_t intervals[] = {30000, 60000, 120000, 300000, 600000};
  for (int16_t f = 0; f < 5; ++f) EXPECT_EQ(ChangeIntervalFor(f), intervals[f]);
  EXPECT_EQ(ChangeIntervalFor(5), 30000);
  EXPECT_EQ(ChangeIntervalFor(-1), 30000);
}

}  // namespace
}  // namespace sovelin
