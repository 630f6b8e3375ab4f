#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace sovelin {

// Every text the program shows is written in English in the code; a language table gives its
// wording in another language, keyed by the English text. A text the table lacks stays English.

// One text of a language: the English text it stands for and its translation (UTF-8).
struct Translation {
  std::string_view english;
  std::string_view translated;
};

// A language besides English, for every Windows LANGID whose primary language it names (the
// low ten bits: 0x0A serves Spain, Mexico and every other Spanish).
struct Language {
  uint16_t primaryLanguage = 0;
  std::string_view name;
  std::span<const Translation> texts;
};

// Every language besides English, in common/languages.cpp.
std::span<const Language* const> Languages();

// The language for a Windows LANGID, or nullptr (English) for any language without a table.
const Language* LanguageFor(uint16_t langId);

// Chooses the language every later Tr call speaks, once at start; nullptr is English.
void UseLanguage(const Language* language);

// `english` in the chosen language, or `english` itself where the language has no wording
// for it. The result lives as long as `english` or the table.
std::string_view Tr(std::string_view english);

// `pattern` with every "%s" replaced by the next of `values`, in turn.
std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> values);

}  // namespace sovelin
