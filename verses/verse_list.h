#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace sovelin {

// Which verse list the saver reads. The `VerseList` setting holds the file name of a list
// beside the program ("sovel.vrs", "web.vrs"...) or "*" for the user's own list, which lies in
// the user's application data folder.
inline constexpr std::string_view kDefaultVerseList = "sovel.vrs";
inline constexpr std::string_view kOwnVersesChoice = "*";
inline constexpr std::string_view kOwnVersesName = "My own verses";

using PathExists = std::function<bool(const std::filesystem::path&)>;

// The user's own list: <application data>\Sovelin\sovel.vrs.
std::filesystem::path OwnVerseFile(const std::filesystem::path& appDataFolder);

// True for a bare file name ending in ".vrs" (in any case): no folder, drive or "..".
bool IsVerseListName(std::string_view name);

// The file the saver loads for a `VerseList` value: the user's own list for "*", the named list
// beside the program, or sovel.vrs beside the program when the value is missing, empty, not a
// bare list name, or names a file that is not there.
std::filesystem::path VerseFileToLoad(std::string_view verseList,
                                      const std::filesystem::path& programFolder,
                                      const std::filesystem::path& appDataFolder,
                                      const PathExists& exists);

// A list the settings dialog offers: the `VerseList` value and the name shown (UTF-8).
struct VerseListEntry {
  std::string value;
  std::string displayName;
};

// The name shown for a list file: the translation's own name for the lists that ship with the
// saver, the file name without ".vrs" for any other.
std::string VerseListDisplayName(std::string_view fileName);

// The lists to offer for the file names found beside the program (UTF-8): the King James list
// first, then the others by name, and "My own verses" last. Names that are not lists are
// skipped.
std::vector<VerseListEntry> OfferedVerseLists(const std::vector<std::string>& fileNames);

// The position of a `VerseList` value among the offered lists, compared as Windows compares
// file names; an unknown value gives the King James list's position, or 0.
size_t OfferedListIndex(const std::vector<VerseListEntry>& lists, std::string_view verseList);

// What is wrong with a list that is there, if anything: the saver then shows a warning in place
// of verses (after the verses it could read, for one too large or failing part way).
enum class VerseFileProblem { kNone, kEmpty, kTooLarge, kUnreadable };

// What loading a list gives: its verses (never counting the warning), what is wrong with it,
// and the lines from which the saver splits off no reference (the first few of them, counted
// from 1, and how many there are in all).
struct VerseFileReport {
  bool exists = false;
  int32_t verses = 0;
  std::vector<int32_t> linesWithoutReference;
  int32_t withoutReferenceCount = 0;
  VerseFileProblem problem = VerseFileProblem::kNone;
};
inline constexpr size_t kReportedLines = 5;

// Loads a list and reports on it, as CheckVerseFile does.
using VerseFileCheck = std::function<VerseFileReport(const std::filesystem::path&)>;

// One line about a list for the settings dialog, e.g. "12 verses. No reference on lines 3, 7."
// A list the saver cannot use whole says so, and what the saver shows instead.
std::string DescribeVerseFile(const VerseFileReport& report, bool ownList);

// Converts between a file name as a path and the UTF-8 text the settings store holds. Neither
// throws: what cannot be converted becomes U+FFFD.
std::string Utf8FileName(const std::filesystem::path& path);
std::filesystem::path PathFromUtf8(std::string_view text);
// True when a file name survives the way to UTF-8 and back unchanged (on Windows: when it holds
// no unpaired surrogate), so that a setting can name it.
bool IsFileNameText(const std::filesystem::path& name);

}  // namespace sovelin
