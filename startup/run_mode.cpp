#include "startup/run_mode.h"

#include "startup/preview.h"

namespace sovelin {

namespace {

char UpperAscii(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view SkipBlanks(std::string_view text) {
  size_t start = 0;
  while (start < text.size() && IsBlank(text[start])) ++start;
  return text.substr(start);
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
  }
  return true;
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && SameIgnoringCase(text.substr(text.size() - end.size()), end);
}

// The switch letter, upper-cased, of an argument text such as "/c:1234"; 0 for none.
char SwitchLetter(std::string_view arguments) {
  arguments = SkipBlanks(arguments);
  if (arguments.size() < 2 || (arguments[0] != '/' && arguments[0] != '-')) return 0;
  return UpperAscii(arguments[1]);
}

// Where an unquoted program path ends: at the module's own path, else at the last blank (or the
// end) before which the text names the module's file, else at the first blank.
size_t UnquotedPathEnd(std::string_view commandLine, std::string_view modulePath) {
  const size_t slash = modulePath.find_last_of("\\/");
  const std::string_view fileName =
      slash == std::string_view::npos ? modulePath : modulePath.substr(slash + 1);
  size_t named = std::string_view::npos;
  for (size_t end = 1; end <= commandLine.size(); ++end) {
    if (end < commandLine.size() && !IsBlank(commandLine[end])) continue;
    const std::string_view path = commandLine.substr(0, end);
    if (!modulePath.empty() && SameIgnoringCase(path, modulePath)) return end;
    if (!fileName.empty() && EndsWithIgnoringCase(path, fileName)) named = end;
  }
  if (named != std::string_view::npos) return named;
  size_t end = 0;
  while (end < commandLine.size() && !IsBlank(commandLine[end])) ++end;
  return end;
}

}  // namespace

RunMode ChooseRunMode(std::string_view arguments) {
  if (SkipBlanks(arguments).empty()) return RunMode::kSettings;
  switch (SwitchLetter(arguments)) {
    case 'C': return RunMode::kSettings;
    case 'P': return RunMode::kPreview;
    default: return RunMode::kSaver;
  }
}

int32_t SettingsOwnerHandle(std::string_view arguments) {
  if (SwitchLetter(arguments) != 'C') return 0;
  std::string_view rest = SkipBlanks(arguments).substr(2);
  if (!rest.empty() && rest[0] == ':') rest.remove_prefix(1);
  return ParsePreviewHandle(rest);
}

std::string_view ArgumentsAfterProgramName(std::string_view commandLine,
                                           std::string_view modulePath) {
  size_t pos = 0;
  if (!commandLine.empty() && commandLine[0] == '"') {
    const size_t closing = commandLine.find('"', 1);
    pos = closing == std::string_view::npos ? commandLine.size() : closing + 1;
  } else {
    pos = UnquotedPathEnd(commandLine, modulePath);
  }
  if (pos < commandLine.size() && IsBlank(commandLine[pos])) ++pos;
  return commandLine.substr(pos);
}

}  // namespace sovelin
