#pragma once

#include <windows.h>

#include "common/handles_win32.h"
#include "geometry/screen_geometry.h"

namespace sovelin {

// Makes the windows this thread creates from now on per-monitor aware (v2): they, the
// monitors and the screen's pixels then all count in physical pixels, each monitor at its own
// scale, and Windows stretches none of them. The process stays system aware, as its manifest
// makes it. Where Windows knows only the first per-monitor awareness (10 1607, Wine), the
// thread takes that one; older Windows keeps the system awareness. True when it took. What is
// measured at the system scale (twips, large fonts) must be read before.
bool UsePhysicalPixels();

// While it lives, the windows this thread creates are system aware, as the manifest makes the
// whole program: laid out once at the system scale, and stretched by Windows on a monitor of
// another. For dialogs in a run that counts in physical pixels.
class SystemAwareWindows final {
 public:
  SystemAwareWindows();
  ~SystemAwareWindows();
  SystemAwareWindows(const SystemAwareWindows&) = delete;
  SystemAwareWindows& operator=(const SystemAwareWindows&) = delete;

 private:
  DPI_AWARENESS_CONTEXT previous_ = nullptr;
};

// The display's dots per inch.
Dpi ScreenDpi();
// The dots per inch of a window's device context (the screen's, for the system-aware saver).
Dpi WindowDpi(HWND window);

TwipsPerPixel DisplayTwipsPerPixel();

// True when the desktop's system font is taller than 16 pixels.
bool IsLargeFonts();

// A pixel-exact copy of the visible screen inside `area` (screen pixels); an empty bitmap when
// the display could not be read.
Bitmap CaptureDesktop(const PixelRect& area);

// The monitors and the virtual screen as the system reports them now. When the system lists no
// monitor, the primary screen alone.
ScreenLayout ReadScreenLayout();

}  // namespace sovelin
