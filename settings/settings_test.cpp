#include "settings/settings.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
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
  const SaverSettings defaults = ReadSettings(store);
  EXPECT_EQ(std::pair(defaults.gSpeed, defaults.gFrequency), std::pair(int16_t{2}, int16_t{1}));
  EXPECT_EQ(std::pair(defaults.gVerseSize, defaults.SameVerseAllDay()),
            std::pair(int16_t{100}, false));
  for (const bool on : {false, true}) {
    store.values = {{"PWProtected", on ? "1" : "-1"},
                    {"ClearScreen", on ? "0" : "2"},
                    {"SameVerseAllDay", on ? "1" : "2"}};
    const SaverSettings s = ReadSettings(store);
    EXPECT_EQ(std::tuple(s.IsProtected(), s.ShowsDesktop(), s.SameVerseAllDay()),
              std::tuple(on, on, on));
  }
}

TEST(Settings, AVerseSizeIsOneOfTheFourOffersAndAnythingElseReadsAsOneHundred) {
  const std::pair<const char*, int16_t> cases[] = {
      {"100", 100},   {"150", 150},  {"200", 200},  {"300", 300}, {" 300", 300},
      {"200.4", 200}, {"", 100},     {"big", 100},  {"250", 100}, {"400", 100},
      {"0", 100},     {"-200", 100}, {"99999", 100}};
  for (const auto& [text, percent] : cases) EXPECT_EQ(ReadVerseSize(text), percent) << text;
  MemorySettingsStore store;
  store.values = {{"VerseSize", "300"}};
  EXPECT_EQ(ReadSettings(store).gVerseSize, 300);
}

}  // namespace
}  // namespace sovelin
