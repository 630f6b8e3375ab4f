#include "common/texts.h"

namespace sovelin {

namespace {

const Language* gLanguage = nullptr;

}  // namespace

const Language* LanguageFor(uint16_t langId) {
  const uint16_t primary = langId & 0x3FF;
  for (const Language* language : Languages()) {
    if (language->primaryLanguage == primary) return language;
  }
  return nullptr;
}

void UseLanguage(const Language* language) {
  gLanguage = language;
}

std::string_view Tr(std::string_view english) {
  if (gLanguage == nullptr) return english;
  for (const Translation& text : gLanguage->texts) {
    if (text.english == english) return text.translated;
  }
  return english;
}

std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> values) {
  std::string text;
  const std::string_view* value = values.begin();
  for (size_t at = 0; at < pattern.size(); ++at) {
    if (pattern.substr(at, 2) == "%s" && value != values.end()) {
      text.append(*value++);
      ++at;
    } else {
      text += pattern[at];
    }
  }
  return text;
}

}  // namespace sovelin
