#pragma once

#include <filesystem>
#include <istream>
#include <string>
#include <string_view>

#include "verses/verse_encoding.h"
#include "verses/verse_store.h"

namespace sovelin {

// The verse file's name; it lies in the program's own directory.
inline constexpr std::string_view kVerseFileName = "sovel.vrs";

// What one run holds at most, in every encoding: past either limit the verse file is treated
// as corrupt. The largest verse files hold a few tens of thousands of verses in a few
// megabytes.
struct VerseLimits {
  int32_t verses = 100'000;
  int64_t fileBytes = 16 << 20;
};

// The end marks a split accepts: code-page files keep the five of older files; files read as
// Unicode also take the sentence marks of other scripts and the full-width colon.
enum class VerseMarks { kCodePage, kUnicode };

// A verse line split into the verse proper and its scripture reference.
struct VerseLineParts {
  std::u16string text;
  std::u16string reference;
};

// Full path of the verse file in `folder`.
std::filesystem::path VerseFilePath(const std::filesystem::path& folder);

// Splits a line "verse text. Book 1:2" at the end mark before the reference. Only the end of
// the line is searched, in characters: the colon must lie within the last 21 characters of
// the trimmed length, the end mark at least 5 characters before it and within the last 26. A
// line that does not fit stays whole as text with an empty reference.
VerseLineParts SplitVerseLine(std::u16string_view line, VerseMarks marks = VerseMarks::kCodePage);

// The stored form of a line: text, CR LF, reference, as a fixed verse field.
std::u16string StoredVerse(std::u16string_view line, VerseMarks marks = VerseMarks::kCodePage);

// The verse shown when the verse file cannot be read.
std::u16string CorruptFileText();

// How loading went: every line read, or why the corrupt-file text stands after the verses read
// (a file without a line, one past the limits or too large for memory, a read that failed).
enum class VerseLoadOutcome { kLoaded, kEmpty, kTooLarge, kUnreadable };

// Appends one verse per line of an opened verse file, in whichever encoding it is written
// (undecodable bytes show as U+FFFD). A stream that failed to open gives the corrupt-file
// text as one verse, and so does a stream without any line; a read error, a line past the
// limits or running out of memory puts the corrupt-file text in the slot of the line being
// read and stops. Never throws.
VerseLoadOutcome LoadVerses(VerseStore& store, std::istream& file, CodePageDecoder codePage,
                            const VerseLimits& limits = {});

// Opens the verse file at path and loads it as above.
VerseLoadOutcome LoadVerses(VerseStore& store, const std::filesystem::path& path,
                            CodePageDecoder codePage);

}  // namespace sovelin
