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
        {"web.txt", kjv}};
    // clang-format on
    for (const auto& [value, expected] : cases)
      EXPECT_EQ(VerseFileToLoad(value, program, appData, exists).generic_string(), expected)
          << "\"" << value << "\", own list there: " << ownExists;
  }
}

// The name checks alone decide here: every path asked about "exists", so a name that reaches
// outside the program folder, or names no file, is caught only by the checks themselves.
TEST(VerseList, ANameThatIsNoBareListNameOrAnOwnListWithoutAFolderGivesTheDefault) {
  const std::filesystem::path program = "/prog";
  const auto everything = [](const std::filesystem::path&) { return true; };
  for (const char* value : {"C:web.vrs", "c:\\x\\web.vrs", "web.vrs:stream.vrs", ".vrs",
                            "sub/web.vrs", "sub\\web.vrs", "web.vrs.txt", "vrs"})
    EXPECT_EQ(VerseFileToLoad(value, program, "/users/ana", everything).generic_string(),
              "/prog/sovel.vrs")
        << value;
  EXPECT_EQ(VerseFileToLoad("*", program, "", everything).generic_string(), "/prog/sovel.vrs");
  EXPECT_EQ(VerseFileToLoad("..vrs", program, "/users/ana", everything).generic_string(),
            "/prog/..vrs");
}

// Names go to UTF-8 and back without throwing: bytes that are no UTF-8 become U+FFFD in a
// Windows name, and a name with an unpaired surrogate is one no setting can hold.
template <typename Char>
void CheckNamesOfThisSystem() {
  using Native = std::basic_string<Char>;
  if constexpr (sizeof(Char) == sizeof(char16_t)) {
    EXPECT_EQ(PathFromUtf8("\xC3(.vrs").native(), Native({Char(0xFFFD), '(', '.', 'v', 'r', 's'}));
    const std::filesystem::path lone(Native({'a', Char(0xD800), '.', 'v', 'r', 's'}));
    EXPECT_EQ(Utf8FileName(lone), "a\xEF\xBF\xBD.vrs");
    EXPECT_FALSE(IsFileNameText(lone));
  } else {
    EXPECT_EQ(PathFromUtf8("\xC3(.vrs").native(), Native("\xC3(.vrs"));  // bytes stay bytes
  }
}

TEST(VerseList, FileNamesConvertWithoutThrowingAndOnlyFaithfulOnesAreSettingText) {
  const std::string spanish =
      "Vers\xC3\xAD"
      "culos.vrs";
  EXPECT_EQ(Utf8FileName(PathFromUtf8(spanish)), spanish);
  EXPECT_TRUE(IsFileNameText(PathFromUtf8(spanish)));
  CheckNamesOfThisSystem<std::filesystem::path::value_type>();
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

// A list the saver cannot use whole is named as such, with what the saver shows instead.
TEST(VerseList, DescribesAnEmptyATooLargeAndAnUnreadableList) {
  using enum VerseFileProblem;
  EXPECT_EQ(DescribeVerseFile({true, 0, {}, 0, kEmpty}, false),
            "This list is empty. The saver shows a warning instead of verses.");
  EXPECT_EQ(DescribeVerseFile({true, 0, {}, 0, kEmpty}, true),
            "Your own list is empty. Edit... opens it to add verses.");
  EXPECT_EQ(DescribeVerseFile({true, 1, {}, 0, kTooLarge}, true),
            "Your own list is too large. The saver shows 1 verse, then a warning.");
  EXPECT_EQ(DescribeVerseFile({true, 12, {3}, 1, kUnreadable}, false),
            "This list cannot be read (locked, or no access). The saver shows 12 verses, then a "
            "warning.");
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
