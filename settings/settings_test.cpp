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

// Backdrop, when it is 0 to 4, decides alone; missing or anything else, ClearScreen decides as
// it always did (0 the desktop, any other number black).
TEST(Settings, BackdropOverridesClearScreenOnlyWhenItIsOneOfTheFive) {
  const std::tuple<const char*, const char*, Backdrop> cases[] = {
      {nullptr, "0", Backdrop::kDesktop}, {nullptr, "2", Backdrop::kBlack},
      {"", "0", Backdrop::kDesktop},      {"x", "1", Backdrop::kBlack},
      {"5", "0", Backdrop::kDesktop},     {"-1", "3", Backdrop::kBlack},
      {"0", "1", Backdrop::kDesktop},     {"1", "0", Backdrop::kBlack},
      {"2", "0", Backdrop::kColor},       {"3.4", "0", Backdrop::kPicture},
      {"4", "1", Backdrop::kFolder},      {"3.5", "0", Backdrop::kFolder},
  };
  for (const auto& [backdrop, clear, expected] : cases) {
    MemorySettingsStore store;
    store.values = {{"ClearScreen", clear}};
    if (backdrop) store.values["Backdrop"] = backdrop;
    const SaverSettings s = ReadSettings(store);
    EXPECT_EQ(s.ChosenBackdrop(), expected) << (backdrop ? backdrop : "missing") << "/" << clear;
    EXPECT_EQ(s.ShowsDesktop(), expected == Backdrop::kDesktop);
    EXPECT_EQ(s.gClearScreen, clear[0] - '0');  // kept for the versions that read only it
  }
  MemorySettingsStore store;
  store.values = {{"BackdropColor", "16711680"},
                  {"BackdropPath", "C:\\Fotos\\Año"},
                  {"VerseFont", "Georgia"},
                  {"VerseFontBold", "1"},
                  {"VerseFontItalic", "0"}};
  const SaverSettings s = ReadSettings(store);
  EXPECT_EQ(std::tuple(s.gBackdropColor, s.backdropPath, s.verseFont, s.gVerseFontBold,
                       s.gVerseFontItalic),
            std::tuple(16711680, std::string("C:\\Fotos\\Año"), std::string("Georgia"), 1, 0));
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
