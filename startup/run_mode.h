#pragma once

#include <cstdint>
#include <string_view>

namespace sovelin {

enum class RunMode { kSettings, kPreview, kSaver };

// The mode from the text that follows the program's name on its command line, as Windows and
// Explorer send it: no argument opens the settings ("Configure" on the file); "/c" settings,
// "/p" preview, and anything else ("/s" among it) runs the saver. Blanks before the switch are
// skipped, the switch may start with "/" or "-", and its letter may be of either case.
RunMode ChooseRunMode(std::string_view arguments);

// The window the settings dialog is modal to: the handle of "/c:HWND" (or "/c HWND"), or 0
// when the switch names none.
int32_t SettingsOwnerHandle(std::string_view arguments);

// The argument text of a whole command line: what follows the program's path and the one
// blank that separates them. A quoted path ends at its closing quote. An unquoted path may
// hold blanks (a long name where short names are off): it runs as far as the program's own
// path, `modulePath`, compared without regard to case, or failing that as far as the last blank
// before which the text ends with the program's file name; failing both, to the first blank.
std::string_view ArgumentsAfterProgramName(std::string_view commandLine,
                                           std::string_view modulePath = {});

}  // namespace sovelin
