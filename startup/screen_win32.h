#pragma once

#include <windows.h>

#include "common/handles_win32.h"
#include "saver/saver_run.h"

namespace sovelin {

TwipsPerPixel DisplayTwipsPerPixel();

// True when the desktop's system font is taller than 16 pixels.
bool IsLargeFonts();

// A pixel-exact copy of the visible primary screen, width x height pixels from its top-left
// corner; an empty bitmap when the display could not be read.
Bitmap CaptureDesktop(int width, int height);

// True when a top-level window with exactly this caption exists.
bool IsSaverRunning(const char* caption);

// Tells the system whether a protected screen saver runs.
void SetSaverRunning(bool running);

// Show-cursor calls repeated until the cursor is visible (count above 0) or hidden (below 0).
void ShowCursorUntilVisible();
void HideCursorUntilHidden();

}  // namespace sovelin
