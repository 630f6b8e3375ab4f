#include "verses/verse_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace sovelin {
namespace {

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
    EXPECT_EQ(std::pair(Utf8FileName(lone), IsFileNameText(lone)),
              std::pair(std::string("a\xEF\xBF\xBD.vrs"), false));
  } else {
    EXPECT_EQ(PathFromUtf8("\xC3(.vrs").native(), Native("\xC3(.vrs"));  // bytes stay bytes
  }
}

TEST(VerseList, FileNamesConvertWithoutThrowingAndOnlyFaithfulOnesAreSettingText) {
  const std::string spanish = "Vers\303\255culos.vrs";
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
  // The list that is not there yet, and a plain count, are read back from the dialog.
  EXPECT_EQ(DescribeVerseFile({true, 1, {}, 0}, true), "Your own list holds 1 verse.");
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

}  // namespace
}  // namespace sovelin
