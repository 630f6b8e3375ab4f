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

Bitmap CaptureDesktop(const PixelRect& area) {
  // The screen's own context counts in screen coordinates on every system; a context made for
  // "DISPLAY" starts at the virtual screen's corner on some (Wine), which differs from the
  // primary monitor's when a monitor stands left of or above it.
  WindowDC display(nullptr);
  if (!display) return Bitmap();
  Bitmap copy(CreateCompatibleBitmap(display.get(), area.Width(), area.Height()));
  OwnedDC memory(CreateCompatibleDC(display.get()));
  if (!copy || !memory) return Bitmap();
  SelectGuard select(memory.get(), copy.get());
  BitBlt(memory.get(), 0, 0, area.Width(), area.Height(), display.get(), area.left, area.top,
         SRCCOPY);
  return copy;
}

namespace {

PixelRect FromRect(const RECT& rect) {
  return {rect.left, rect.top, rect.right, rect.bottom};
}

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM parameter) {
  auto& monitors = *reinterpret_cast<std::vector<PixelRect>*>(parameter);
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (!GetMonitorInfoA(monitor, &info) || IsRectEmpty(&info.rcMonitor)) return TRUE;
  if (info.dwFlags & MONITORINFOF_PRIMARY) {
    monitors.insert(monitors.begin(), FromRect(info.rcMonitor));
  } else {
    monitors.push_back(FromRect(info.rcMonitor));
  }
  return TRUE;
}

}  // namespace

ScreenLayout ReadScreenLayout() {
  ScreenLayout layout;
  EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&layout.monitors));
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  if (layout.monitors.empty() || width <= 0 || height <= 0) {
    const PixelRect primary{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return {primary, {primary}};
  }
  layout.virtualScreen = {left, top, left + width, top + height};
  return layout;
}

}  // namespace sovelin
