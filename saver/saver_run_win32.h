#pragma once

#include <windows.h>

#include "saver/saver_run.h"
#include "saver/saver_window_win32.h"

namespace sovelin {

// Runs the saver on its shown window: the first activation's set-up, then the main loop
// until a stop is requested; ends the process. Never returns.
[[noreturn]] void RunSaver(SaverRun& run, SaverWindow& window);

// Shows the error box of a failed run and ends the process.
[[noreturn]] void EndWithRunError(int number, const char* description);

}  // namespace sovelin
