#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>

#include "verses/verse_list.h"

namespace sovelin {

// What tells that a file changed: whether it is there, its size and its last write time.
struct FileStamp {
  bool exists = false;
  uintmax_t size = 0;
  int64_t writeTime = 0;
  bool operator==(const FileStamp&) const = default;
};
using FileStamper = std::function<FileStamp(const std::filesystem::path&)>;

// The file's stamp as the file system tells it; never throws.
FileStamp StampOf(const std::filesystem::path& path);

// The report on one list at a time, loaded again only when another list is asked for or the
// file's size or write time changed: a list may be megabytes, and the dialog asks at every
// activation.
class VerseReportCache {
 public:
  explicit VerseReportCache(VerseFileCheck check, FileStamper stamp = StampOf)
      : check_(std::move(check)), stamp_(std::move(stamp)) {}
  VerseFileReport ReportFor(const std::filesystem::path& file);

 private:
  VerseFileCheck check_;
  FileStamper stamp_;
  std::filesystem::path file_;
  FileStamp fileStamp_;
  std::optional<VerseFileReport> report_;
};

}  // namespace sovelin
