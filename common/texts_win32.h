#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "common/texts.h"
#include "common/unicode_text.h"

namespace sovelin {

// A UTF-8 text as Windows' wide characters.
inline std::wstring WideText(std::string_view utf8) {
  const std::u16string text = DecodeUtf8(utf8);
  return std::wstring(text.begin(), text.end());
}

// Windows' wide characters as UTF-8.
inline std::string Utf8Text(std::wstring_view wide) {
  return EncodeUtf8(std::u16string(wide.begin(), wide.end()));
}

// `english` in the chosen language, in wide characters for the Windows calls that show it.
inline std::wstring TrW(std::string_view english) {
  return WideText(Tr(english));
}

// Chooses the language of the user's Windows display language, once at start.
inline void UseUserInterfaceLanguage() {
  UseLanguage(LanguageFor(GetUserDefaultUILanguage()));
}

}  // namespace sovelin
