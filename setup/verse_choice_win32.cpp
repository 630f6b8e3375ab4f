#include "setup/verse_choice_win32.h"

#include <shellapi.h>

#include <fstream>
#include <iterator>
#include <system_error>

namespace sovelin {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

std::wstring WideFrom(std::string_view bytes, UINT codePage, DWORD flags = 0) {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(codePage, flags, bytes.data(), size, nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  if (length > 0) MultiByteToWideChar(codePage, flags, bytes.data(), size, wide.data(), length);
  return wide;
}

std::wstring WideFromUtf16(std::string_view bytes, bool bigEndian) {
  std::wstring wide(bytes.size() / 2, L'\0');
  for (size_t i = 0; i < wide.size(); ++i) {
    const auto first = static_cast<unsigned char>(bytes[2 * i]);
    const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
    wide[i] = static_cast<wchar_t>(bigEndian ? first << 8 | second : second << 8 | first);
  }
  return wide;
}

std::string Utf8From(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, text.data(), length, nullptr, nullptr);
  return text;
}

bool IsValidUtf8(std::string_view bytes) {
  return bytes.empty() || MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(),
                                              static_cast<int>(bytes.size()), nullptr, 0) > 0;
}

}  // namespace

std::wstring WideFromUtf8(std::string_view text) {
  return WideFrom(text, CP_UTF8);
}

std::string Utf8WithByteOrderMark(const std::string& bytes) {
  const std::string_view text(bytes);
  if (text.starts_with(kUtf8Mark)) return bytes;
  std::wstring wide;
  if (text.starts_with("\xFF\xFE"))
    wide = WideFromUtf16(text.substr(2), false);
  else if (text.starts_with("\xFE\xFF"))
    wide = WideFromUtf16(text.substr(2), true);
  else
    wide = WideFrom(text, IsValidUtf8(text) ? CP_UTF8 : CP_ACP);
  return std::string(kUtf8Mark) + Utf8From(wide);
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
