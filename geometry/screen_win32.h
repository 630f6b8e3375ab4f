#pragma once

#include <windows.h>

#include "common/handles_win32.h"
#include "geometry/screen_geometry.h"

namespace sovelin {

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
