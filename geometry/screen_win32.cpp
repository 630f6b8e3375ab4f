#include "geometry/screen_win32.h"

namespace sovelin {

namespace {

constexpr int kLargeFontHeight = 16;

}  // namespace

Dpi WindowDpi(HWND window) {
  WindowDC dc(window);
  Dpi dpi;
  if (!dc) return dpi;
  if (const int x = GetDeviceCaps(dc.get(), LOGPIXELSX); x > 0) dpi.x = x;
  if (const int y = GetDeviceCaps(dc.get(), LOGPIXELSY); y > 0) dpi.y = y;
  return dpi;
}

Dpi ScreenDpi() {
  return WindowDpi(nullptr);
}

TwipsPerPixel DisplayTwipsPerPixel() {
  const Dpi dpi = ScreenDpi();
  return TwipsPerPixelAt(dpi.x, dpi.y);
}

bool IsLargeFonts() {
  WindowDC desktop(GetDesktopWindow());
  if (!desktop) return false;
  const int previousMode = SetMapMode(desktop.get(), MM_TEXT);
  TEXTMETRICA metrics{};
  GetTextMetricsA(desktop.get(), &metrics);
  SetMapMode(desktop.get(), previousMode);
  return metrics.tmHeight > kLargeFontHeight;
}

Bitmap CaptureDesktop(int width, int height) {
  OwnedDC display(CreateDCA("DISPLAY", nullptr, nullptr, nullptr));
  if (!display) return Bitmap();
  Bitmap copy(CreateCompatibleBitmap(display.get(), width, height));
  OwnedDC memory(CreateCompatibleDC(display.get()));
  if (!copy || !memory) return Bitmap();
  SelectGuard select(memory.get(), copy.get());
  BitBlt(memory.get(), 0, 0, width, height, display.get(), 0, 0, SRCCOPY);
  return copy;
}

}  // namespace sovelin
