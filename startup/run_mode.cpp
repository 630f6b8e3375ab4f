#include "startup/run_mode.h"

namespace sovelin {

namespace {

char UpperAscii(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

RunMode ChooseRunMode(std::string_view arguments) {
  if (arguments.size() < 2 || arguments[0] != '/') return RunMode::kSaver;
  switch (UpperAscii(arguments[1])) {
    case 'C': return RunMode::kSettings;
    case 'P': return RunMode::kPreview;
    default: return RunMode::kSaver;
  }
}

std::string_view ArgumentsAfterProgramName(std::string_view commandLine) {
  size_t pos = 0;
  if (!commandLine.empty() && commandLine[0] == '"') {
    const size_t closing = commandLine.find('"', 1);
    pos = closing == std::string_view::npos ? commandLine.size() : closing + 1;
  } else {
    while (pos < commandLine.size() && commandLine[pos] != ' ' && commandLine[pos] != '\t') ++pos;
  }
  if (pos < commandLine.size() && (commandLine[pos] == ' ' || commandLine[pos] == '\t')) ++pos;
  return commandLine.substr(pos);
}

}  // namespace sovelin
