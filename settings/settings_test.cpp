#include "settings/settings.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <utility>

#include "settings/verse_list.h"

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

// Which file the saver reads for each VerseList value, with the program folder /prog holding
// sovel.vrs, web.vrs and "Mis versos.vrs", and the user's own list present or not.
TEST(VerseList, ReadsTheChosenFileOrTheKingJamesListBesideTheProgram) {
  const std::filesystem::path program = "/prog", appData = "/users/ana/AppData/Roaming";
  const std::string kjv = "/prog/sovel.vrs";
  const std::string own = "/users/ana/AppData/Roaming/Sovelin/sovel.vrs";
  for (const bool ownExists : {false, true}) {
    std::set<std::string> files = {"/prog/sovel.vrs", "/prog/web.vrs", "/prog/Mis versos.vrs"};
    if (ownExists) files.insert(own);
    const auto exists = [&](const auto& path) { return files.contains(path.generic_string()); };
    // "rv1909.vrs" is not there; only a bare name beside the program counts.
    // clang-format off
    const std::pair<const char*, std::string> cases[] = {
        {"", kjv}, {"sovel.vrs", kjv}, {"web.vrs", "/prog/web.vrs"}, {"rv1909.vrs", kjv},
        {"Mis versos.vrs", "/prog/Mis versos.vrs"}, {"*", ownExists ? own : kjv}, {"**", kjv},
        {"../prog/web.vrs", kjv}, {"..\\web.vrs", kjv}, {"C:web.vrs", kjv}, {"/prog/web.vrs", kjv},
        {"web.txt", kjv}, {".vrs", kjv}};
    // clang-format on
    for (const auto& [value, expected] : cases)
      EXPECT_EQ(VerseFileToLoad(value, program, appData, exists).generic_string(), expected)
          << "\"" << value << "\", own list there: " << ownExists;
    // Without an application data folder there is no own list to read.
    EXPECT_EQ(VerseFileToLoad("*", program, "", exists).generic_string(), kjv);
  }
}

TEST(VerseList, OffersTheListsFoundKingJamesFirstAndOwnVersesLast) {
  const std::vector<VerseListEntry> lists =
      OfferedVerseLists({"web.vrs", "readme.txt", "Zulu.VRS", "RV1909.vrs", "Sovel.vrs",
                         "sovel.vrs", "Alpha.vrs", "Sovelin V30.scr"});
  std::string shown;
  for (const VerseListEntry& entry : lists) shown += entry.value + "=" + entry.displayName + "|";
  EXPECT_EQ(shown,
            "Sovel.vrs=King James Version (English)|Alpha.vrs=Alpha|"
            "RV1909.vrs=Reina-Valera 1909 (Espa\xC3\xB1ol)|"
            "web.vrs=World English Bible (English)|Zulu.VRS=Zulu|*=My own verses|");
  EXPECT_EQ(OfferedListIndex(lists, "WEB.VRS"), 3u);
  EXPECT_EQ(OfferedListIndex(lists, "*"), 5u);
  EXPECT_EQ(OfferedListIndex(lists, "gone.vrs"), 0u);  // shown as the list the saver reads
  EXPECT_EQ(OfferedListIndex({{"*", "My own verses"}}, ""), 0u);
}

TEST(VerseList, DescribesAListsVersesAndTheFirstLinesWithoutAReference) {
  EXPECT_EQ(DescribeVerseFile({}, true),
            "Your own list is not there yet: Edit... makes it from the list chosen before.");
  EXPECT_EQ(DescribeVerseFile({true, 1, {}, 0}, true), "Your own list holds 1 verse.");
  EXPECT_EQ(DescribeVerseFile({true, 441, {}, 0}, false), "441 verses.");
  EXPECT_EQ(DescribeVerseFile({true, 3, {2}, 1}, true),
            "Your own list holds 3 verses. No reference on line 2.");
  EXPECT_EQ(DescribeVerseFile({true, 40, {1, 4, 9, 16, 25}, 7}, true),
            "Your own list holds 40 verses. No reference on lines 1, 4, 9, 16, 25 and 2 more.");
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
