#pragma once

#include <windows.h>

#include "run/saver_run.h"

namespace sovelin {

// Asks a protected saver's user for the password: hides the verse window, shows the cursor and
// the prompt (modal, no owner, topmost). The right password ends the process. Otherwise the
// cursor is hidden again, the verse window shown again owned by the saver window, and the next
// mouse movement is only recorded. `verseWindow` may be null while no verse window exists.
//
// Input that arrives while the prompt is up never opens a second prompt.
void AskPassword(SaverRun& run, HWND saverWindow, HWND verseWindow);

}  // namespace sovelin
