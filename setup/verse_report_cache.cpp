#include "setup/verse_report_cache.h"

#include <system_error>

namespace sovelin {

FileStamp StampOf(const std::filesystem::path& path) {
  std::error_code sizeError;
  std::error_code timeError;
  const uintmax_t size = std::filesystem::file_size(path, sizeError);
  const auto time = std::filesystem::last_write_time(path, timeError);
  if (sizeError || timeError) return {};
  return {true, size, static_cast<int64_t>(time.time_since_epoch().count())};
}

VerseFileReport VerseReportCache::ReportFor(const std::filesystem::path& file) {
  const FileStamp stamp = stamp_(file);
  if (report_ && file == file_ && stamp == fileStamp_) return *report_;
  report_ = check_ ? check_(file) : VerseFileReport{};
  file_ = file;
  fileStamp_ = stamp;
  return *report_;
}

}  // namespace sovelin
