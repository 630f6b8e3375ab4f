#include "geometry/screen_win32.h"

namespace sovelin {

namespace {

constexpr int kLargeFontHeight = 16;

// The awareness function of Windows 10 1607 on, looked up when needed so that the program
// still starts where user32 lacks it.
using SetThreadContext = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);

template <typename Function>
Function User32Function(const char* name) {
  HMODULE user32 = GetModuleHandleA("user32.dll");
  return user32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
                : nullptr;
}

// Sets this thread's awareness; the one it replaces, or null where that failed.
DPI_AWARENESS_CONTEXT SetThreadAwareness(DPI_AWARENESS_CONTEXT context) {
  const auto setThread = User32Function<SetThreadContext>("SetThreadDpiAwarenessContext");
  return setThread ? setThread(context) : nullptr;
}

}  // namespace

// Only the thread changes: the manifest has already set the process's awareness, which Windows
// then refuses to change.
bool UsePhysicalPixels() {
  if (SetThreadAwareness(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2)) return true;
  // Windows 10 1607 and Wine know only the first per-monitor awareness, which counts in the
  // same physical pixels; it differs in how dialogs and window frames scale, and the saver
  // makes neither in it.
  return SetThreadAwareness(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE) != nullptr;
}

SystemAwareWindows::SystemAwareWindows()
    : previous_(SetThreadAwareness(DPI_AWARENESS_CONTEXT_SYSTEM_AWARE)) {}

SystemAwareWindows::~SystemAwareWindows() {
  if (previous_) SetThreadAwareness(previous_);
}

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
