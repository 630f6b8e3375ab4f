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

TEST(Settings, AnEmptyStoreGivesTheDefaultsOnlyOneProtectsAndOnlyZeroShowsTheDesktop) {
  MemorySettingsStore store;
  SaverSettings s = ReadSettings(store);
  EXPECT_EQ(s.gSpeed, 2);
  EXPECT_EQ(s.gFrequency, 1);
  store.values = {{"PWProtected", "-1"}, {"ClearScreen", "2"}};
  s = ReadSettings(store);
  EXPECT_FALSE(s.IsProtected());
  EXPECT_FALSE(s.ShowsDesktop());
  store.values = {{"PWProtected", "1"}, {"ClearScreen", "0"}};
  s = ReadSettings(store);
  EXPECT_TRUE(s.IsProtected());
  EXPECT_TRUE(s.ShowsDesktop());
}

}  // namespace
}  // namespace sovelin
