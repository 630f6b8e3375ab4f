#include "settings/registry_store_win32.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "common/handles_win32.h"
#include "common/system_code_page_win32.h"
#include "common/unicode_text.h"
#include "settings/settings.h"

namespace sovelin {

namespace {

// Values read and written with the wide registry calls, as Unicode text: names of files and
// fonts, which may be in any script and come from anything that edits the registry. Every other
// value keeps the ANSI calls earlier versions used. Numbers are ASCII either way; the scrambled
// password is a string of code-page bytes that a typed password is compared with byte for byte, and
// read through the wide calls those bytes would come back as other text, so that no password would
// match any more.
constexpr std::string_view kUnicodeSettings[] = {keys::kVerseList, keys::kBackdropPath,
                                                 keys::kVerseFont};

bool IsUnicodeSetting(std::string_view key) {
  return std::find(std::begin(kUnicodeSettings), std::end(kUnicodeSettings), key) !=
         std::end(kUnicodeSettings);
}

std::wstring Widen(std::string_view ascii) {
  return std::wstring(ascii.begin(), ascii.end());
}

HKEY RootKey(RegistryRoot root) {
  return root == RegistryRoot::kLocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

// The machine's key in the 64-bit registry (ignored on 32-bit Windows).
REGSAM View(RegistryRoot root) {
  return root == RegistryRoot::kLocalMachine ? KEY_WOW64_64KEY : 0;
}

bool IsText(DWORD type) {
  return type == REG_SZ || type == REG_EXPAND_SZ;
}

// A value read through the ANSI calls: missing, or its text (empty for a value that is not
// text, edited by hand).
std::optional<std::string> ReadAnsiValue(HKEY key, const std::string& name) {
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
    return std::nullopt;
  if (!IsText(type)) return std::string();
  std::vector<char> data(size + 1, '\0');
  if (RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()),
                       &size) != ERROR_SUCCESS)
    return std::nullopt;
  // Stored text may or may not carry its terminating zero; stop at the first one.
  return std::string(data.data());
}

// The same through the wide calls, as UTF-16 (an odd last byte is dropped).
std::optional<std::u16string> ReadWideValue(HKEY key, const std::wstring& name) {
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
    return std::nullopt;
  if (!IsText(type)) return std::u16string();
  std::vector<wchar_t> data(size / sizeof(wchar_t) + 1, L'\0');
  if (RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()),
                       &size) != ERROR_SUCCESS)
    return std::nullopt;
  data[std::min<size_t>(size / sizeof(wchar_t), data.size() - 1)] = L'\0';
  const std::wstring text(data.data());
  return std::u16string(text.begin(), text.end());
}

// Unicode text as UTF-8. Earlier versions wrote such values as UTF-8 bytes through the ANSI
// calls, which stored the code page's reading of those bytes ("VersÃ­culos.vrs" for
// "Versículos.vrs" under Windows-1252). Text that goes back to the code page exactly, as bytes
// that are well-formed UTF-8 beyond ASCII, is such a value, and those bytes are its text.
std::string Utf8FromStoredText(const std::u16string& text) {
  const bool ascii = std::all_of(text.begin(), text.end(), [](char16_t c) { return c < 0x80; });
  if (ascii || GetACP() == CP_UTF8) return EncodeUtf8(text);
  const std::wstring wide(text.begin(), text.end());
  const int length = static_cast<int>(wide.size());
  BOOL lossy = FALSE;
  const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, nullptr,
                                       0, nullptr, &lossy);
  std::string bytes(static_cast<size_t>(std::max(size, 0)), '\0');
  if (size > 0 && !lossy &&
      WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, bytes.data(), size,
                          nullptr, &lossy) == size &&
      !lossy && IsWellFormedUtf8(bytes) && DecodeSystemCodePage(bytes) == text)
    return bytes;
  return EncodeUtf8(text);
}

}  // namespace

std::string RegistrySettingsStore::Read(std::string_view key, std::string_view defaultValue) const {
  RegKey settings;
  if (RegOpenKeyExW(RootKey(root_), Widen(path_).c_str(), 0, KEY_QUERY_VALUE | View(root_),
                    settings.out()) != ERROR_SUCCESS)
    return std::string(defaultValue);
  if (IsUnicodeSetting(key)) {
    const std::optional<std::u16string> text = ReadWideValue(settings.get(), Widen(key));
    return text ? Utf8FromStoredText(*text) : std::string(defaultValue);
  }
  return ReadAnsiValue(settings.get(), std::string(key)).value_or(std::string(defaultValue));
}

void RegistrySettingsStore::Write(std::string_view key, std::string_view value) {
  if (readOnly_) return;
  RegKey settings;
  if (RegCreateKeyExW(RootKey(root_), Widen(path_).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                      settings.out(), nullptr) != ERROR_SUCCESS) {
    return;
  }
  if (IsUnicodeSetting(key)) {
    const std::u16string text = DecodeUtf8(value);
    RegSetValueExW(settings.get(), Widen(key).c_str(), 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(char16_t)));
    return;
  }
  const std::string name(key);
  const std::string text(value);
  RegSetValueExA(settings.get(), name.c_str(), 0, REG_SZ,
                 reinterpret_cast<const BYTE*>(text.c_str()), static_cast<DWORD>(text.size() + 1));
}

}  // namespace sovelin
