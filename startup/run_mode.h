#pragma once

#include <string_view>

namespace sovelin {

enum class RunMode { kSettings, kPreview, kSaver };

// The mode from the text that follows the program's name on its command line: only its
// first two characters count, upper-cased and untrimmed ("/C" settings, "/P" preview,
// anything else, the empty text too, runs the saver).
RunMode ChooseRunMode(std::string_view arguments);

// The argument text of a whole command line: what follows the program's name (quoted or not)
// and the one blank that separates them. Further blanks are kept, since the mode test looks
// at the untrimmed text.
std::string_view ArgumentsAfterProgramName(std::string_view commandLine);

}  // namespace sovelin
