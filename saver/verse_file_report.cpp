#include "saver/verse_file_report.h"

#include <system_error>

#include "saver/verse_loader.h"

namespace sovelin {

namespace {

// A stored verse is its text, a line break, then its reference, padded with blanks; a line
// without a reference leaves nothing but blanks after the break.
template <typename Field>
bool HasReference(const Field& field) {
  using Char = typename Field::value_type;
  const size_t lineBreak = field.rfind(Char('\n'));
  return lineBreak != Field::npos &&
         field.find_first_not_of(Char(' '), lineBreak + 1) != Field::npos;
}

}  // namespace

VerseFileReport CheckVerseFile(const std::filesystem::path& path, CodePageDecoder codePage) {
  VerseFileReport report;
  std::error_code error;
  report.exists = std::filesystem::is_regular_file(path, error);
  if (!report.exists) return report;
  VerseStore store;
  LoadVerses(store, path, codePage);
  report.verses = store.gVerseCount;
  for (int32_t n = 1; n <= store.gVerseCount; ++n) {
    if (HasReference(store.gVerses[static_cast<size_t>(n)])) continue;
    ++report.withoutReferenceCount;
    if (report.linesWithoutReference.size() < kReportedLines)
      report.linesWithoutReference.push_back(n);
  }
  return report;
}

}  // namespace sovelin
