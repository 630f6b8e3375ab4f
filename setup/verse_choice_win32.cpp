#include "setup/verse_choice_win32.h"

#include <shellapi.h>

#include <algorithm>
#include <exception>
#include <fstream>
#include <iterator>
#include <system_error>

#include "common/handles_win32.h"
#include "common/system_code_page_win32.h"
#include "common/texts.h"
#include "common/texts_win32.h"
#include "common/unicode_text.h"
#include "verses/verse_encoding.h"

namespace sovelin {

namespace {

// The text of a verse file, read as the saver reads it, in UTF-8 with a byte-order mark.
std::string Utf8WithByteOrderMark(std::string_view bytes) {
  return "\xEF\xBB\xBF" + EncodeUtf8(DecodeVerseText(bytes, &DecodeSystemCodePage));
}

}  // namespace

bool WriteWholeFile(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1 << 20));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

namespace {

enum class Presence { kAbsent, kPresent, kUnknown };

// Only "no such file" and "no such folder" mean that nothing is there; any other failure (a
// network or offline folder, a denied access) leaves it open.
Presence PresenceOf(const std::filesystem::path& path) {
  if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) return Presence::kPresent;
  const DWORD error = GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? Presence::kAbsent
                                                                        : Presence::kUnknown;
}

// The folder and any missing above it (a new profile's application data folder may not be
// there yet); true when it is a folder now.
bool MakeFolder(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  return std::filesystem::is_directory(folder, error);
}

// Writes text to a new file in folder, flushed to the disk; its path, or an empty one.
std::filesystem::path WriteNewFile(const std::filesystem::path& folder, std::string_view text,
                                   const FileWriter& write) {
  wchar_t name[MAX_PATH] = {};
  if (!GetTempFileNameW(folder.c_str(), L"svl", 0, name)) return {};
  const std::filesystem::path path(name);
  bool whole = false;
  {
    FileHandle file(CreateFileW(name, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    whole = file && write(file.get(), text) && FlushFileBuffers(file.get()) &&
            GetFileSizeEx(file.get(), &size) && size.QuadPart == static_cast<LONGLONG>(text.size());
  }
  if (whole) return path;
  DeleteFileW(name);
  return {};
}

}  // namespace

OwnListMade MakeOwnVerseFile(const std::filesystem::path& source,
                             const std::filesystem::path& target, const FileWriter& write) {
  switch (PresenceOf(target)) {
    case Presence::kPresent: return OwnListMade::kAlreadyThere;
    case Presence::kUnknown: return OwnListMade::kExistenceUnknown;
    case Presence::kAbsent: break;
  }
  const std::filesystem::path folder = target.parent_path();
  if (!MakeFolder(folder)) return OwnListMade::kNoFolder;
  std::string text;
  try {
    std::ifstream in(source, std::ios::binary);
    text = Utf8WithByteOrderMark(
        std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()));
  } catch (const std::exception&) {
    return OwnListMade::kWriteFailed;
  }
  const std::filesystem::path written = WriteNewFile(folder, text, write);
  if (written.empty()) return OwnListMade::kWriteFailed;
  // Never replaces a list that appeared meanwhile.
  if (MoveFileExW(written.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH))
    return OwnListMade::kMade;
  DeleteFileW(written.c_str());
  return PresenceOf(target) == Presence::kPresent ? OwnListMade::kAlreadyThere
                                                  : OwnListMade::kWriteFailed;
}

std::string OwnListFailureText(OwnListMade made) {
  switch (made) {
    case OwnListMade::kNoFolder:
      return std::string(Tr("Your own list could not be made: its folder cannot be created."));
    case OwnListMade::kExistenceUnknown:
      return std::string(
          Tr("Your own list could not be made: Windows cannot tell whether it is "
             "there already (is the folder offline?)."));
    case OwnListMade::kWriteFailed:
      return std::string(
          Tr("Your own list could not be made: writing it failed (is the disk full?)."));
    case OwnListMade::kMade:
    case OwnListMade::kAlreadyThere: break;
  }
  return {};
}

void OpenInTextEditor(HWND owner, const std::filesystem::path& file) {
  const std::wstring path = file.wstring();
  SHELLEXECUTEINFOW edit{};
  edit.cbSize = sizeof(edit);
  edit.fMask = SEE_MASK_FLAG_NO_UI;
  edit.hwnd = owner;
  edit.lpVerb = L"edit";
  edit.lpFile = path.c_str();
  edit.nShow = SW_SHOWNORMAL;
  if (ShellExecuteExW(&edit)) return;
  // No editor is registered for the file's type: Notepad opens any text file.
  const std::wstring arguments = L"\"" + path + L"\"";
  ShellExecuteW(owner, L"open", L"notepad.exe", arguments.c_str(), nullptr, SW_SHOWNORMAL);
}

}  // namespace sovelin
