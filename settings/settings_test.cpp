#include "settings/settings.h"

#include <gtest/gtest.h>

#include <utility>

namespace sovelin {
namespace {

TEST(SettingsConversion, TakesTheNumericPrefixRoundedHalvesToEvenOrTheDefaultWhenTooBig) {
  const std::pair<const char*, int16_t> cases[] = {
      {"2abc", 2},      {" 2", 2},    {"2.5", 2},         {"3.5", 4},     {"-2.5", -2}, {"", 0},
      {"abc", 0},       {"-", 0},     {".5", 0},          {"1.5e1x", 15}, {"1e", 1},    {"+4", 4},
      {"32767", 32767}, {"32768", 7}, {"-32768", -32768}, {"-32769", 7},  {"1e400", 7},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(ReadInt16Setting(text, 7), expected) << text;
  EXPECT_EQ(ReadInt32Setting("16777215", 0), 16777215);
  EXPECT_EQ(ReadInt32Setting("2147483648", 5), 5);
  EXPECT_EQ(ReadInt32Setting("99999999999999999999", 5), 5);
}

TEST(Settings, AnEmptyStoreGivesTheDefaults) {
  const MemorySettingsStore store;
  const SaverSettings s = ReadSettings(store);
  EXPECT_EQ(s.gSpeed, 2);
  EXPECT_EQ(s.gFrequency, 1);
  EXPECT_EQ(s.gDisplayOption, 0);
  EXPECT_EQ(s.gBackground, 0);
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

}  // namespace
}  // namespace sovelin
