#include "verses/verse_list_win32.h"

#include <windows.h>

#include <shlobj.h>

#include <system_error>

#include "verses/verse_list.h"

namespace sovelin {

std::filesystem::path AppDataFolder() {
  wchar_t path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path)))
    return {};
  return std::filesystem::path(path);
}

bool VerseFileExists(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

std::vector<std::string> FileNamesIn(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    // An entry whose status cannot be read, or whose name no setting could hold, is skipped;
    // the listing goes on.
    std::error_code entryError;
    const std::filesystem::path name = it->path().filename();
    if (it->is_regular_file(entryError) && !entryError && IsFileNameText(name))
      names.push_back(Utf8FileName(name));
  }
  return names;
}

}  // namespace sovelin
