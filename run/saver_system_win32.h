#pragma once

namespace sovelin {

// True when a top-level window with exactly this caption exists.
bool IsSaverRunning(const char* caption);

// Tells the system whether a protected screen saver runs.
void SetSaverRunning(bool running);

// Show-cursor calls repeated until the cursor is visible (count above 0) or hidden (below 0).
void ShowCursorUntilVisible();
void HideCursorUntilHidden();

}  // namespace sovelin
