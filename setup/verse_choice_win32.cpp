#include "setup/verse_choice_win32.h"

#include <shellapi.h>

#include <fstream>
#include <iterator>
#include <system_error>

#include "common/system_code_page_win32.h"
#include "common/texts_win32.h"
#include "common/unicode_text.h"

namespace sovelin {

namespace {

// The text of a verse file, read as the saver reads it, in UTF-8 with a byte-order mark.
std::string Utf8WithByteOrderMark(std::string_view bytes) {
  return "\xEF\xBB\xBF" + EncodeUtf8(DecodeVerseText(bytes, &DecodeSystemCodePage));
}

}  // namespace

std::wstring WideFromUtf8(std::string_view text) {
  return WideText(text);
}

bool MakeOwnVerseFile(const std::filesystem::path& source, const std::filesystem::path& target) {
  std::ifstream in(source, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::error_code error;
  std::filesystem::create_directories(target.parent_path(), error);
  std::ofstream out(target, std::ios::binary | std::ios::trunc);
  const std::string text = Utf8WithByteOrderMark(bytes);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  return out.good();
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
