#include "verses/verse_list.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "common/texts.h"
#include "common/unicode_text.h"

namespace sovelin {

namespace {

// The lists that ship with the saver, by file name.
struct KnownList {
  std::string_view fileName;
  std::string_view displayName;
};
constexpr std::array<KnownList, 3> kKnownLists = {{
    {"sovel.vrs", "King James Version (English)"},
    {"web.vrs", "World English Bible (English)"},
    {"rv1909.vrs", "Reina-Valera 1909 (Espa\xC3\xB1ol)"},
}};

constexpr std::string_view kListExtension = ".vrs";

// Windows compares file names without regard to case; ASCII letters are enough here, as the
// names compared with are ASCII.
std::string Lowercase(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

bool SameFileName(std::string_view a, std::string_view b) {
  return Lowercase(a) == Lowercase(b);
}

std::string VerseCount(int32_t number) {
  if (number == 1) return std::string(Tr("1 verse"));
  return FormatText(Tr("%s verses"), {std::to_string(number)});
}

}  // namespace

std::filesystem::path OwnVerseFile(const std::filesystem::path& appDataFolder) {
  return appDataFolder / "Sovelin" / kDefaultVerseList;
}

bool IsVerseListName(std::string_view name) {
  if (name.size() <= kListExtension.size() ||
      !SameFileName(name.substr(name.size() - kListExtension.size()), kListExtension))
    return false;
  // No folder, drive or stream, and no name Windows would read as a folder ("..vrs" is fine,
  // but a name of dots and blanks alone is not a file name).
  if (name.find_first_of("\\/:") != std::string_view::npos) return false;
  return name.find_first_not_of(". ") != std::string_view::npos;
}

std::filesystem::path VerseFileToLoad(std::string_view verseList,
                                      const std::filesystem::path& programFolder,
                                      const std::filesystem::path& appDataFolder,
                                      const PathExists& exists) {
  const std::filesystem::path fallback = programFolder / kDefaultVerseList;
  if (verseList == kOwnVersesChoice) {
    const std::filesystem::path own = OwnVerseFile(appDataFolder);
    return !appDataFolder.empty() && exists(own) ? own : fallback;
  }
  if (!IsVerseListName(verseList)) return fallback;
  const std::filesystem::path chosen = programFolder / PathFromUtf8(verseList);
  return exists(chosen) ? chosen : fallback;
}

std::string VerseListDisplayName(std::string_view fileName) {
  for (const KnownList& known : kKnownLists) {
    if (SameFileName(fileName, known.fileName)) return std::string(known.displayName);
  }
  if (IsVerseListName(fileName)) return std::string(fileName.substr(0, fileName.size() - 4));
  return std::string(fileName);
}

std::vector<VerseListEntry> OfferedVerseLists(const std::vector<std::string>& fileNames) {
  std::vector<VerseListEntry> lists;
  for (const std::string& name : fileNames) {
    if (!IsVerseListName(name)) continue;
    const bool seen = std::any_of(lists.begin(), lists.end(), [&](const VerseListEntry& entry) {
      return SameFileName(entry.value, name);
    });
    if (!seen) lists.push_back({name, VerseListDisplayName(name)});
  }
  std::sort(lists.begin(), lists.end(), [](const VerseListEntry& a, const VerseListEntry& b) {
    const bool aDefault = SameFileName(a.value, kDefaultVerseList);
    const bool bDefault = SameFileName(b.value, kDefaultVerseList);
    if (aDefault != bDefault) return aDefault;
    return Lowercase(a.displayName) < Lowercase(b.displayName);
  });
  lists.push_back({std::string(kOwnVersesChoice), std::string(Tr(kOwnVersesName))});
  return lists;
}

size_t OfferedListIndex(const std::vector<VerseListEntry>& lists, std::string_view verseList) {
  for (std::string_view wanted : {verseList, kDefaultVerseList}) {
    for (size_t i = 0; i < lists.size(); ++i) {
      if (SameFileName(lists[i].value, wanted)) return i;
    }
  }
  return 0;
}

namespace {

// What the saver shows of a list it cannot use whole: a warning alone, or after what it read.
std::string WhatTheSaverShows(int32_t verses) {
  return verses == 0 ? std::string(Tr("The saver shows a warning instead of verses."))
                     : FormatText(Tr("The saver shows %s, then a warning."), {VerseCount(verses)});
}

// What is wrong with a list the saver cannot use whole, or an empty text.
std::string DescribeProblem(const VerseFileReport& report, bool ownList) {
  const auto sentences = [](std::string_view first, const std::string& second) {
    return std::string(Tr(first)) + " " + second;
  };
  switch (report.problem) {
    case VerseFileProblem::kEmpty:
      return ownList ? sentences("Your own list is empty.",
                                 std::string(Tr("Edit... opens it to add verses.")))
                     : sentences("This list is empty.", WhatTheSaverShows(0));
    case VerseFileProblem::kTooLarge:
      return sentences(ownList ? "Your own list is too large." : "This list is too large.",
                       WhatTheSaverShows(report.verses));
    case VerseFileProblem::kUnreadable:
      return sentences(ownList ? "Your own list cannot be read (locked, or no access)."
                               : "This list cannot be read (locked, or no access).",
                       WhatTheSaverShows(report.verses));
    case VerseFileProblem::kNone: break;
  }
  return {};
}

}  // namespace

std::string DescribeVerseFile(const VerseFileReport& report, bool ownList) {
  if (!report.exists) {
    return std::string(
        Tr(ownList ? "Your own list is not there yet: Edit... makes it from the list chosen before."
                   : "This list is not there."));
  }
  // A list the saver cannot use whole: that alone fills the status line.
  const std::string problem = DescribeProblem(report, ownList);
  if (!problem.empty()) return problem;
  const std::string count = VerseCount(report.verses);
  std::string text = ownList ? FormatText(Tr("Your own list holds %s."), {count}) : count + ".";
  if (report.linesWithoutReference.empty()) return text;
  std::string lines;
  for (size_t i = 0; i < report.linesWithoutReference.size(); ++i) {
    lines += (i == 0 ? "" : ", ") + std::to_string(report.linesWithoutReference[i]);
  }
  const auto more =
      report.withoutReferenceCount - static_cast<int32_t>(report.linesWithoutReference.size());
  text += ' ';
  if (more > 0) {
    text += FormatText(Tr("No reference on lines %s and %s more."), {lines, std::to_string(more)});
  } else {
    text += FormatText(Tr(report.withoutReferenceCount == 1 ? "No reference on line %s."
                                                            : "No reference on lines %s."),
                       {lines});
  }
  return text;
}

namespace {

// Windows file names are UTF-16 (and may hold unpaired surrogates); elsewhere they are bytes,
// kept as they are. Converted here rather than by std::filesystem, whose conversions throw.
template <typename Char>
std::string Utf8FromNative(const std::basic_string<Char>& native) {
  if constexpr (sizeof(Char) == sizeof(char16_t)) {
    return EncodeUtf8(std::u16string(native.begin(), native.end()));
  } else {
    return native;
  }
}

template <typename Char>
std::filesystem::path PathFromUtf8As(std::string_view text) {
  if constexpr (sizeof(Char) == sizeof(char16_t)) {
    const std::u16string wide = DecodeUtf8(text);
    return std::filesystem::path(std::basic_string<Char>(wide.begin(), wide.end()));
  } else {
    return std::filesystem::path(std::string(text));
  }
}

}  // namespace

std::string Utf8FileName(const std::filesystem::path& path) {
  return Utf8FromNative(path.native());
}

std::filesystem::path PathFromUtf8(std::string_view text) {
  return PathFromUtf8As<std::filesystem::path::value_type>(text);
}

bool IsFileNameText(const std::filesystem::path& name) {
  return PathFromUtf8(Utf8FileName(name)).native() == name.native();
}

}  // namespace sovelin
