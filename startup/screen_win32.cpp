#include "startup/screen_win32.h"

namespace sovelin {

namespace {

constexpr int kTwipsPerInch = 1440;
constexpr int kLargeFontHeight = 16;

}  // namespace

TwipsPerPixel DisplayTwipsPerPixel() {
  WindowDC screen(nullptr);
  TwipsPerPixel result;
  if (!screen) return result;
  const int dpiX = GetDeviceCaps(screen.get(), LOGPIXELSX);
  const int dpiY = GetDeviceCaps(screen.get(), LOGPIXELSY);
  if (dpiX > 0) result.x = kTwipsPerInch / dpiX;
  if (dpiY > 0) result.y = kTwipsPerInch / dpiY;
  return result;
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
