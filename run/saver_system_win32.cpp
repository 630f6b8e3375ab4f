#include "run/saver_system_win32.h"

#include <windows.h>

namespace sovelin {

bool IsSaverRunning(const char* caption) {
  return FindWindowA(nullptr, caption) != nullptr;
}

void SetSaverRunning(bool running) {
  BOOL previous = FALSE;
  SystemParametersInfoA(SPI_SCREENSAVERRUNNING, running ? TRUE : FALSE, &previous, 0);
}

void ShowCursorUntilVisible() {
  // ShowCursor counts; a bounded loop guards against a system that never reports the change.
  for (int i = 0; i < 1000 && ShowCursor(TRUE) <= 0; ++i) {
  }
}

void HideCursorUntilHidden() {
  for (int i = 0; i < 1000 && ShowCursor(FALSE) >= 0; ++i) {
  }
}

}  // namespace sovelin
