#include "common/program_folder_win32.h"

#include <windows.h>

#include <string>

namespace sovelin {

std::filesystem::path ProgramFolder() {
  // Long paths may pass MAX_PATH; the buffer grows until the whole name fits.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    if (path.size() >= 32768) return {};
    path.resize(path.size() * 2);
  }
  return std::filesystem::path(path).parent_path();
}

}  // namespace sovelin
