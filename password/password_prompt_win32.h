#pragma once

#include <windows.h>

#include "run/saver_run.h"

namespace sovelin {

// Shows the password prompt frmPswd modally, without an owner and topmost, with an empty
// field. `blocked` (the saver window, may be null) takes no input while the prompt is up, so
// a click on it can neither raise it over the prompt nor take the keyboard away.
//
// Returns only when the prompt was closed (Cancel, Escape, the close box, Alt+F4) without the
// right password; the run's stop request is then cleared. The right password ends the process.
void ShowPasswordPrompt(SaverRun& run, HWND blocked);

// What the right password does: tells the system that a protected saver no longer runs, shows
// the cursor and ends the process at once.
[[noreturn]] void EndUnlockedSaver(bool stopSaverRunning);

}  // namespace sovelin
