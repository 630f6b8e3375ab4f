#include "verses/verse_file_report.h"

#include <algorithm>
#include <system_error>

#include "verses/verse_loader.h"

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

VerseFileProblem ProblemOf(VerseLoadOutcome outcome) {
  switch (outcome) {
    case VerseLoadOutcome::kEmpty: return VerseFileProblem::kEmpty;
    case VerseLoadOutcome::kTooLarge: return VerseFileProblem::kTooLarge;
    case VerseLoadOutcome::kUnreadable: return VerseFileProblem::kUnreadable;
    case VerseLoadOutcome::kLoaded: break;
  }
  return VerseFileProblem::kNone;
}

}  // namespace

VerseFileReport CheckVerseFile(const std::filesystem::path& path, CodePageDecoder codePage) {
  VerseFileReport report;
  std::error_code error;
  report.exists = std::filesystem::is_regular_file(path, error);
  if (!report.exists) return report;
  VerseStore store;
  report.problem = ProblemOf(LoadVerses(store, path, codePage));
  // Whatever went wrong, the loader put the warning last: it is not one of the list's verses.
  report.verses =
      std::max(0, store.gVerseCount - (report.problem == VerseFileProblem::kNone ? 0 : 1));
  for (int32_t n = 1; n <= report.verses; ++n) {
    if (HasReference(store.gVerses[static_cast<size_t>(n)])) continue;
    ++report.withoutReferenceCount;
    if (report.linesWithoutReference.size() < kReportedLines)
      report.linesWithoutReference.push_back(n);
  }
  return report;
}

}  // namespace sovelin
